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
    // Polled, not slept for a computed time: the wait ends on the very tick. The platform's
    // counter rests between readings of one millisecond, so on Linux and in the browser the
    // poll idles the processor; over the system's own counter on Windows it spins. The
    // difference is unsigned, so the counter's wrap past 2^32 does not stall it.
    while (read_clock() - FrameStartTicks < milliseconds) {
    }
    return read_clock();
}
