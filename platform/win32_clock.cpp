// The kernel's millisecond tick counter, read from the video backend's clock.
#include "platform/video.h"
#include "platform/win32_internal.h"

namespace {

DWORD LastTicks = 0;

} // namespace

DWORD win32_last_ticks() {
    return LastTicks;
}

void win32_note_ticks(DWORD ticks) {
    LastTicks = ticks;
}

DWORD GetTickCount() {
    DWORD now = video_backend()->ticks();
    LastTicks = now;
    // Programs that never pump messages while they wait on the clock (palette fades, wipes)
    // still get their screen changes shown.
    video_refresh_at(now);
    return now;
}
