// The Windows target: the host of the Windows program over the project's own DirectDraw. Its
// presenter draws the screen into the program's window with GDI instead of changing the
// display's mode; its clock rests the processor; the program's keys, with XInput
// controllers', are read for it. Messages and the cursor are the system's own.
#pragma once

#include "platform/host/host.h"
#include "platform/host/win32/win32_system.h"

const Host* win32_host();

// The program's window, handed over by DirectDraw's SetCooperativeLevel, is where the screen
// is shown: its messages pass through the presenter first (Alt+Enter, painting, clicks moved
// to the picture's coordinates, controllers read). 0 when the window cannot be taken.
int win32_presenter_attach(HWND window);
