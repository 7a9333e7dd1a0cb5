// Game controllers as the keyboard's keys, whichever system reads the controller (SDL on
// Linux, XInput on Windows): which virtual keys a controller's state holds down.
#pragma once

#include <cstdint>

// A controller's state in one shape for every system: sticks -32768 to 32767 with y growing
// downwards, the right trigger 0 to 32767.
struct PadState {
    bool dpad_up, dpad_down, dpad_left, dpad_right;
    bool south, west, start, back; // A, X, Start and Back on an Xbox-style controller
    int left_x, left_y;
    int right_trigger;
};

// How far the left stick or the right trigger must move before it counts as a press.
constexpr int GAMEPAD_DEAD_ZONE = 12000;

// The virtual keys a controller can hold, one bit each in a key set.
constexpr int GAMEPAD_KEY_COUNT = 8;
int gamepad_virtual_key(int bit);

// The set of keys that this state holds down: the d-pad and left stick are the arrows, the
// south button jumps (Page Down), the west button or right trigger runs (Delete), Start is
// Enter and Back is Escape.
std::uint32_t pad_keys(const PadState& state);
