// State shared by the Windows emulation's source files (window, queue, input, resources)
// and the hooks the video layer and the tests' reset use; not part of the published API.
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <string>
#include <vector>

// A picture resource (icon or cursor) ready for a backend: 32-bit 0xAARRGGBB pixels, row 0
// on top, the transparent colour already turned into alpha 0.
struct HICON__ {
    int width;
    int height;
    int hot_x;
    int hot_y;
    std::vector<std::uint32_t> argb;
};

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

// Adds a message to the back of the thread's queue.
void win32_enqueue(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Whether the cursor's display counter currently shows it.
int win32_cursor_shown();
// Moves every pending backend event into the queue, updating the key state.
void win32_pump_events();
// The clock reading most recently taken, for message time stamps.
DWORD win32_last_ticks();
void win32_note_ticks(DWORD ticks);
// Presents a pending screen change when due at this clock reading.
void video_refresh_at(DWORD now);

// Reads an 8-bit bitmap resource file into an ARGB picture, palette index 253 becoming
// transparent. Returns 1 on success, 0 (picture untouched) for a missing or malformed file.
int read_resource_bitmap(const char* path, HICON__* picture);
// The folder of the running executable, with a trailing slash ("" when unknown).
std::string executable_folder();

// Each module's part of platform_reset.
void win32_reset_windows();
void win32_reset_queue();
void win32_reset_input();
void video_reset();
