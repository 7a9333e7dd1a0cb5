// The window procedure: keys and left clicks go to the screens, the window's destruction
// ends the main loop.
#pragma once

#include "platform/win32.h"

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
