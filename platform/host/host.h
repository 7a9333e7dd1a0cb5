// The host: what one system (SDL, the browser, Windows, or none for tests) gives the platform
// above it — presentation, input, the clock and the audio output — as one record of plain
// types, so that every folder of the platform builds on it and it on none of them.
#pragma once

#include <cstdint>

struct AudioOutput;

// One palette entry: red, green, blue and flags bytes, in that order (the layout of the
// system's palette entries, so that a table of them can be handed over as it is).
struct HostColor {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t flags;
};

// A part of a picture: its left column, top row, width and height in pixels.
struct HostRect {
    int x;
    int y;
    int width;
    int height;
};

// What the screen shows: a picture in memory, seen through a palette at 8 bits per pixel
// or through its 5.5.5 / 5.6.5 layout at 15 and 16.
struct VideoPicture {
    const std::uint8_t* pixels; // row 0, column 0
    int pitch;                  // bytes from one row to the next
    int width;
    int height;
    int bpp;                  // 8, 15 or 16
    const HostColor* palette; // 256 entries at 8 bits per pixel, else null
    int being_written = 0;    // 1 while a lock lets the program write the pixels
    // The part that may differ from the picture presented before; no area: none of it. A
    // presenter converts and draws only this part (all of it for a new size or palette).
    HostRect changed = {};
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

// One host. An entry left null means the default written beside it: a host fills in only
// what it does itself.
struct Host {
    const char* name;

    // Presentation.
    // Opens the window; on failure returns 0 and writes the reason into error. Null: the
    // program's window is the system's own and there is nothing to open (succeeds).
    int (*open_window)(const char* title, int width, int height, char* error, int error_size);
    // Null: nothing to close.
    void (*close_window)();
    // The display mode: size, depth, and exclusive full screen or a plain window.
    int (*set_mode)(int width, int height, int bpp, int fullscreen);
    void (*present)(const VideoPicture* picture);
    // Null: the cursor is the system's and follows the program's own calls.
    void (*set_cursor_visible)(int visible);
    // The window's icon and the window class's cursor as 0xAARRGGBB pixels, row 0 on top.
    // Null: the host shows neither, or the system takes them from the program's resources.
    void (*set_icon)(const std::uint32_t* argb, int width, int height);
    void (*set_cursor_image)(const std::uint32_t* argb, int width, int height, int hot_x,
                             int hot_y);

    // Input: moves what the system reports into the shared event queue (event_queue.h), as
    // much as it holds. Null: the host posts from the system's callbacks alone, or input
    // reaches the program through the system's own message queue.
    void (*pump_events)();

    // The clock: a 32-bit millisecond counter that wraps (the headless one is virtual and
    // moves when read).
    std::uint32_t (*ticks)();
    // Rests the processor until `ticks` reaches `deadline` (a reading of it, wrapping): one
    // sleep, which wakes in the deadline's millisecond or at most a millisecond or two before
    // it, never after it, so that a poll of the clock still ends on that very tick. Null: the
    // clock does not rest (the headless one moves only when read).
    void (*rest_until)(std::uint32_t deadline);

    // The audio output the platform's mixer plays into. Null: the host has none of ours
    // (the system's own sound is used, or there is none).
    AudioOutput* (*audio)();
};

// The host in use. Chosen once: by BRAMBLELEAP_HOST among the build's hosts (the first
// when it is unset), unless a test chose with host_use; a host without a required entry
// ends the program at once with a message saying which.
const Host* host();
// Puts every later call on this host; null goes back to the build's choice. A host
// without a required entry is refused with a message (0), and the last choice stands.
int host_use(const Host* target);
// The build's own choice, defined once by the build (platform/host_of_build.cpp).
const Host* host_of_build();

// The entries a host must fill in (its name, set_mode, present, ticks): the first that is
// missing, by name; null when there is none.
const char* host_missing_entry(const Host* target);

// One line of a build's table of hosts.
using HostEntry = const Host* (*)();
// The host of that name in the table; the first for no name, and for a name that is in
// no entry, the first, with a message listing the names there are. Null for an empty table.
const Host* host_named(const HostEntry* table, int count, const char* name);
