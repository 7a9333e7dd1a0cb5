// Window classes and the program's one window, opened on the host; the emulation's
// own view of them, beyond the published calls.
#pragma once

#include "platform/win32.h"

// The window record behind an HWND; the platform has at most one window.
struct HWND__ {
    int alive;
    int class_index;
    DWORD style;
    RECT rect;
};

// Looks up the procedure of a live window; null when the handle is not a live window.
WNDPROC win32_window_procedure(HWND window);
int win32_window_is_alive(HWND window);
// The program's window while it exists, else null.
HWND win32_live_window();
// Remembers why the last platform call failed, for platform_last_error.
void win32_set_last_error(const char* text);

// For tests: the messages that reached DefWindowProcA since the reset, and the last of them
// (0 if none).
int win32_default_calls();
UINT win32_last_default_message();

// Closes the window and forgets every class.
void win32_reset_windows();
