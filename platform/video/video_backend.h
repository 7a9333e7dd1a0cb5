// The video backend interface: the one small table of operations between the Windows and
// DirectDraw emulation and a real screen (sdl/) or none (headless/, for tests).
#pragma once

#include "platform/win32.h"

#include <cstdint>

// What the screen shows: a picture in memory, seen through a palette at 8 bits per pixel
// or through its 5.5.5 / 5.6.5 layout at 15 and 16.
struct VideoPicture {
    const std::uint8_t* pixels; // row 0, column 0
    int pitch;                  // bytes from one row to the next
    int width;
    int height;
    int bpp;                     // 8, 15 or 16
    const PALETTEENTRY* palette; // 256 entries at 8 bits per pixel, else null
    int being_written = 0;       // 1 while a lock lets the program write the pixels
};

// VIDEO_FOCUS_LOST: the window no longer has the keyboard, so no key is held any more.
// VIDEO_CHARACTER: one typed character, after the key press that typed it.
// VIDEO_FOCUS_GAINED: the window has the keyboard again.
// VIDEO_HIDDEN, VIDEO_SHOWN: the window minimised or the page's tab hidden, and back.
enum VideoEventKind {
    VIDEO_KEY_DOWN,
    VIDEO_KEY_UP,
    VIDEO_MOUSE_DOWN,
    VIDEO_CLOSE,
    VIDEO_FOCUS_LOST,
    VIDEO_MOUSE_UP,
    VIDEO_MOUSE_MOVE,
    VIDEO_MOUSE_WHEEL,
    VIDEO_CHARACTER,
    VIDEO_FOCUS_GAINED,
    VIDEO_HIDDEN,
    VIDEO_SHOWN
};

enum VideoMouseButton { VIDEO_BUTTON_LEFT, VIDEO_BUTTON_RIGHT, VIDEO_BUTTON_MIDDLE };

struct VideoEvent {
    VideoEventKind kind;
    int virtual_key; // keys: the Windows virtual-key code, Shift, Ctrl and Alt by their side
    int repeat;      // keys: 1 for an auto-repeated press
    int x, y;        // mouse: in the picture's coordinates (the display's pixels)
    int button;      // mouse presses and releases: a VideoMouseButton
    int wheel;       // wheel: notches turned, away from the user positive
    int character;   // typed text: the character's Unicode code point
};

struct VideoBackend {
    const char* name;
    // Opens the window; on failure returns 0 and writes the reason into error.
    int (*open_window)(const char* title, int width, int height, char* error, int error_size);
    void (*close_window)();
    // The display mode: size, depth, and exclusive full screen or a plain window.
    int (*set_mode)(int width, int height, int bpp, int fullscreen);
    void (*present)(const VideoPicture* picture);
    // Takes one pending event; 0 when there is none.
    int (*poll_event)(VideoEvent* event);
    void (*set_cursor_visible)(int visible);
    // A 32-bit millisecond clock (the headless one is virtual and moves when read).
    DWORD (*ticks)();
    // The window's icon and the window class's cursor as 0xAARRGGBB pixels, row 0 on top;
    // null in a backend that shows neither.
    void (*set_icon)(const std::uint32_t* argb, int width, int height);
    void (*set_cursor_image)(const std::uint32_t* argb, int width, int height, int hot_x,
                             int hot_y);
};
