// Game controllers for programs: each controller read on its own by its number (pad_read), and
// the keys the program says each controller button holds down (pad_bind). Not a Windows
// interface but the platform's own, for the programs built on it; where the system's
// DirectDraw is used there is no host to read controllers, and both find none.
#pragma once

#include <cstdint>

// A controller's buttons by what they are, whatever the system calls them: the directions
// are the d-pad or the left stick, south / east / west / north are A / B / X / Y on an
// Xbox-style controller, the triggers count as held past about a third of their travel, and the
// stick buttons are the sticks pressed in.
enum PadButton {
    PAD_UP,
    PAD_DOWN,
    PAD_LEFT,
    PAD_RIGHT,
    PAD_SOUTH,
    PAD_WEST,
    PAD_START,
    PAD_BACK,
    PAD_RIGHT_TRIGGER,
    PAD_EAST,
    PAD_NORTH,
    PAD_LEFT_SHOULDER,
    PAD_RIGHT_SHOULDER,
    PAD_LEFT_TRIGGER,
    PAD_LEFT_STICK,
    PAD_RIGHT_STICK,
    PAD_BUTTON_COUNT
};

constexpr std::uint32_t pad_button(PadButton button) {
    return 1u << button;
}

// A controller's sticks (-32768 to 32767, x growing rightwards, y downwards) and triggers
// (0 to 32767).
enum PadAxis {
    PAD_AXIS_LEFT_X,
    PAD_AXIS_LEFT_Y,
    PAD_AXIS_RIGHT_X,
    PAD_AXIS_RIGHT_Y,
    PAD_AXIS_LEFT_TRIGGER,
    PAD_AXIS_RIGHT_TRIGGER,
    PAD_AXIS_COUNT
};

// Controllers are numbered 0 to PADS_MAX - 1; more than this many at once are not read.
constexpr int PADS_MAX = 8;

// What one controller did since it was last read.
struct PadReading {
    std::int32_t connected;
    std::uint32_t down;     // the buttons held now, as pad_button bits
    std::uint32_t pressed;  // the buttons that went down since the last reading
    std::uint32_t released; // the buttons that came up since the last reading
    // Each axis with its dead zone taken out: 0 until a stick leaves it, and from there the
    // whole range still reached.
    std::int32_t axes[PAD_AXIS_COUNT];
};

// A key held down while any of `buttons` (a set of pad_button bits) is held.
struct PadBinding {
    std::uint32_t buttons;
    int virtual_key;
};

// At most this many bindings count; bindings of the same key are joined into one.
constexpr int PAD_BINDINGS_MAX = 32;

#if defined(_WIN32) && !defined(BRAMBLELEAP_OWN_DDRAW)
inline void pad_bind(const PadBinding*, int) {}
inline int pad_count() {
    return 0;
}
inline int pad_read(int, PadReading* reading) {
    if (reading) *reading = PadReading{};
    return 0;
}
#else
// The program's bindings, copied. Until a program binds, or with none (null or count 0), the
// d-pad and left stick are the arrow keys, Start is Enter and Back is Escape.
void pad_bind(const PadBinding* bindings, int count);
// One more than the highest number of a controller plugged in: 0 with none. A controller
// unplugged leaves its number free, and the others keep theirs; plugged in again, it gets
// its old number back if no other took it meanwhile.
int pad_count();
// Controller `pad` as of the last reading of the controllers (the message pump's), its presses
// and releases since the last pad_read of it; 1 while it is plugged in. An unplugged one, or a
// number out of range, reads as nothing held (a controller just unplugged still gives the
// release of what it held, once).
int pad_read(int pad, PadReading* reading);
#endif
