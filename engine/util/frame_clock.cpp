// The frame clock: a wait that polls the tick counter until the frame's time is up.
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
    // Polled, so that the wait ends on the very tick; but first the platform rests until
    // the deadline in one sleep, so that the poll does not keep the processor awake through
    // the pass. The difference is unsigned, so the counter's wrap past 2^32 does not stall
    // it (a deadline half the counter away or more is taken as past: no rest, only the poll).
    platform_rest_until(FrameStartTicks + milliseconds);
    while (read_clock() - FrameStartTicks < milliseconds) {
    }
    return read_clock();
}
