// The frame clock: a busy wait over the tick counter that never gives its time slice away.
#include "engine/util/frame_clock.h"

DWORD FrameStartTicks = 0;

DWORD read_clock() {
    return GetTickCount();
}

DWORD start_frame_clock() {
    FrameStartTicks = read_clock();
    return FrameStartTicks;
}

DWORD wait_frame_clock(DWORD milliseconds) {
    // A busy wait: the pass must not give its time slice away. The difference is unsigned,
    // so the counter's wrap past 2^32 does not stall it.
    while (read_clock() - FrameStartTicks < milliseconds) {
    }
    return read_clock();
}
