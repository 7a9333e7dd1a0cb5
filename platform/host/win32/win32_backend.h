// The Windows presenter: the Windows target of the program over the project's own
// DirectDraw, which draws the screen into the program's window with GDI instead of changing
// the display's mode, and reads the clock, the keys and XInput controllers for it.
#pragma once

#include "platform/host/host.h"
#include "platform/host/win32/win32_system.h"

const Host* win32_host();

// The clock and the keys as the program reads them (win32.h routes GetTickCount and
// GetAsyncKeyState here): a clock whose waits rest the processor, keys that count only while
// the program has the focus, controllers' keys added.
DWORD win32_presenter_ticks();
SHORT win32_presenter_key_state(int virtual_key);
