// The clock's resting rule, shared by the hosts that read a real clock.
#include "platform/host/tick_pacing.h"

std::int64_t paced_reading(TickPacing* pacing, std::int64_t (*read_ms)(),
                           void (*rest)(std::int64_t next_ms)) {
    std::int64_t now = read_ms();
    if (now == pacing->last && ++pacing->readings > QUICK_READINGS_PER_MILLISECOND) {
        do {
            rest(now + 1);
        } while ((now = read_ms()) == pacing->last);
    }
    if (now != pacing->last) pacing->readings = 1;
    pacing->last = now;
    return now;
}
