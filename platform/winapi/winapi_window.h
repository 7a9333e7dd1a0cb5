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
WNDPROC winapi_window_procedure(HWND window);
int winapi_window_is_alive(HWND window);
// The program's window while it exists, else null.
HWND winapi_live_window();
// Remembers why the last platform call failed, for platform_last_error.
void winapi_set_last_error(const char* text);

// For tests: the messages that reached DefWindowProcA since the reset, and the last of them
// (0 if none).
int winapi_default_calls();
UINT winapi_last_default_message();

// Closes the window and forgets every class.
void winapi_reset_windows();
