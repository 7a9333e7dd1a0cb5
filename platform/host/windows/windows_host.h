// The Windows host: what the Windows program runs on over the project's own DirectDraw. Its
// picture is drawn into the program's window with GDI instead of changing the
// display's mode; its clock rests the processor; the program's keys, with XInput
// controllers', are read for it. Messages and the cursor are the system's own.
#pragma once

#include "platform/host/host.h"
#include "platform/host/windows/windows_system.h"

const Host* windows_host();

// The program's window, handed over by DirectDraw's SetCooperativeLevel, is where the screen
// is shown: its messages pass through the host first (Alt+Enter, painting, clicks moved
// to the picture's coordinates, controllers read). 0 when the window cannot be taken.
int windows_host_attach(HWND window);
