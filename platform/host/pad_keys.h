// Game controllers as keys, whichever system reads the controller (SDL, XInput, the browser):
// a controller's state in one shape, the buttons it holds, the keys the program bound to
// them, and the key presses and releases that a change of those makes.
#pragma once

#include "platform/pads.h"

#include <cstdint>

// A controller's state in one shape for every system: sticks -32768 to 32767 with y growing
// downwards, the triggers 0 to 32767.
struct PadState {
    bool dpad_up, dpad_down, dpad_left, dpad_right;
    bool south, west, start, back; // A, X, Start and Back on an Xbox-style controller
    int left_x, left_y;
    int right_trigger;
    bool east, north; // B and Y
    bool left_shoulder, right_shoulder;
    bool left_stick, right_stick; // the sticks pressed in
    int right_x, right_y;
    int left_trigger;
};

// How far the left stick or a trigger must move before it counts as a press.
constexpr int GAMEPAD_DEAD_ZONE = 12000;

// The state's field of a button that is only up or down (the d-pad's for the directions);
// null for the triggers and anything else.
bool PadState::*pad_state_field(int button);

// The buttons this state holds, as pad_button bits.
std::uint32_t pad_buttons(const PadState& state);

// The keys this state holds down, one bit per binding (bit i: binding i's key).
std::uint32_t pad_keys(const PadState& state);
// The virtual key of binding `bit`; 0 for a bit no binding has.
int gamepad_virtual_key(int bit);
// Whether a key set holds this virtual key.
int pad_keys_hold(std::uint32_t keys, int virtual_key);

// Tells `emit` of every key that differs between two key sets, pressed (down 1) or released,
// in binding order.
void pad_key_changes(std::uint32_t before, std::uint32_t now,
                     void (*emit)(int virtual_key, int down, void* context), void* context);
