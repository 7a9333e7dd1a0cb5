// Game controllers on Windows through XInput, as the keyboard's keys: the four controller
// slots read through a table of XInput's functions (the system's DLL on Windows, a fake one
// in tests), controllers plugged in and out while the game runs.
#pragma once

#include "platform/win32.h"

#include <cstdint>

// XInput's own records, laid out as the DLL fills them.
struct XinputGamepad {
    WORD buttons;
    BYTE left_trigger;
    BYTE right_trigger;
    std::int16_t thumb_lx, thumb_ly, thumb_rx, thumb_ry; // y grows upwards
};
struct XinputState {
    DWORD packet;
    XinputGamepad pad;
};

// XInput's button bits.
constexpr WORD XINPUT_DPAD_UP = 0x0001;
constexpr WORD XINPUT_DPAD_DOWN = 0x0002;
constexpr WORD XINPUT_DPAD_LEFT = 0x0004;
constexpr WORD XINPUT_DPAD_RIGHT = 0x0008;
constexpr WORD XINPUT_START = 0x0010;
constexpr WORD XINPUT_BACK = 0x0020;
constexpr WORD XINPUT_A = 0x1000;
constexpr WORD XINPUT_X = 0x4000;

constexpr int XINPUT_SLOTS = 4;
// XInputGetState's answer for an empty slot.
constexpr DWORD XINPUT_NOT_CONNECTED = 1167;
// An empty slot is asked again only this often: asking one is slow on Windows.
constexpr DWORD XINPUT_RESCAN_MS = 1000;

using XinputGetStateFunction = DWORD(WINAPI*)(DWORD slot, XinputState* state);

struct XinputPads {
    XinputGetStateFunction get_state; // null: no XInput, no controllers
    bool connected[XINPUT_SLOTS];
    bool scanned;       // the empty slots have been asked at least once
    DWORD last_scan;    // when the empty slots were last asked
    std::uint32_t keys; // the keys the controllers hold together, by gamepad_virtual_key bit
};

// The keys a controller's state holds, by the mapping every system shares.
std::uint32_t xinput_keys(const XinputGamepad& pad);

// Reads the controllers at `now_ms`: those plugged in every time, the empty slots once a
// XINPUT_RESCAN_MS. Returns the key set they hold now (a controller that went away holds
// nothing any more) and stores it in pads->keys.
std::uint32_t xinput_poll(XinputPads* pads, DWORD now_ms);
