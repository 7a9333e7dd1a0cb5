// The kernel's millisecond tick counter, read from the host's clock.
#include "platform/host/screen.h"
#include "platform/win32.h"

DWORD GetTickCount() {
    // Programs that never pump messages while they wait on the clock (palette fades, wipes)
    // still get their screen changes shown: the read presents what is due.
    return video_read_clock();
}
