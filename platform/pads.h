// Game controllers as keys: the program says which key each controller button holds down.
// Not a Windows interface but the platform's own, for the programs built on it; where the
// system's DirectDraw is used there is no presenter to read controllers, and binding does
// nothing.
#pragma once

#include <cstdint>

// A controller's buttons by what they are, whatever the system calls them: the directions
// are the d-pad or the left stick, south / west are A / X on an Xbox-style controller.
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
    PAD_BUTTON_COUNT
};

constexpr std::uint32_t pad_button(PadButton button) {
    return 1u << button;
}

// A key held down while any of `buttons` (a set of pad_button bits) is held.
struct PadBinding {
    std::uint32_t buttons;
    int virtual_key;
};

// At most this many bindings count; bindings of the same key are joined into one.
constexpr int PAD_BINDINGS_MAX = 32;

#if defined(_WIN32) && !defined(BRAMBLELEAP_OWN_DDRAW)
inline void pad_bind(const PadBinding*, int) {}
#else
// The program's bindings, copied. Until a program binds, or with none (null or count 0), the
// d-pad and left stick are the arrow keys, Start is Enter and Back is Escape.
void pad_bind(const PadBinding* bindings, int count);
#endif
