// Game controllers as the keyboard's keys, whatever reads them (SDL on the desktop, the
// browser's Gamepad API in a page): which virtual keys a controller's state holds down.
#pragma once

#include <cstdint>

// A controller's state in the common layout: the d-pad and face buttons pressed or not, the
// left stick from -32768 to 32767 (y positive downwards), the right trigger from 0 to 32767.
struct PadReading {
    bool up, down, left, right;
    bool south, west, start, back;
    int stick_x, stick_y;
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
std::uint32_t pad_reading_keys(const PadReading& reading);
