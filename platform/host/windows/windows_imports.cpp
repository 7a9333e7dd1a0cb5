// The program's imports of the system's millisecond clock and key state, bound here instead
// of to kernel32 and user32. The linker takes an imported name's address from its `__imp_`
// pointer, which this library defines before the system's import libraries are searched: the
// program calls GetTickCount and GetAsyncKeyState under their own names and reaches the
// host's clock and
// its keys (the controllers' added, none held while another program has the focus).
#include "platform/host/screen.h"
#include "platform/host/windows/windows_host_parts.h"

namespace {

DWORD WINAPI program_ticks() {
    return static_cast<DWORD>(video_read_clock());
}

} // namespace

// The rest of a program that polls the clock to a deadline (declared in platform/win32.h).
void platform_rest_until(DWORD deadline) {
    video_rest_until(deadline);
}

extern "C" {
DWORD(WINAPI* __imp_GetTickCount)() = program_ticks;
SHORT(WINAPI* __imp_GetAsyncKeyState)(int) = windows_key_state;
}
