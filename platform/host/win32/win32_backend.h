// The Windows presenter: the video backend of the Windows program over the project's own
// DirectDraw, which draws the screen into the program's window with GDI instead of changing
// the display's mode, and reads the clock, the keys and XInput controllers for it.
#pragma once

#include "platform/video/video_backend.h"

VideoBackend* win32_video_backend();

// The program's window, handed over by DirectDraw's SetCooperativeLevel, is where the screen
// is shown: its messages pass through the presenter first (Alt+Enter, painting, clicks moved
// to the picture's coordinates, controllers read). 0 when the window cannot be taken.
int win32_presenter_attach(HWND window);
