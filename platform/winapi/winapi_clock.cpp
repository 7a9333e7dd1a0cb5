// The kernel's millisecond tick counter, read from the host's clock, and the rest to one of
// its readings.
#include "platform/host/screen.h"
#include "platform/win32.h"

DWORD GetTickCount() {
    return video_read_clock();
}

void platform_rest_until(DWORD deadline) {
    video_rest_until(deadline);
}
