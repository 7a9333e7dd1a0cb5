// Game controllers on Windows through XInput, as the keyboard's keys: the four controller
// slots read through a table of XInput's functions (the system's DLL on Windows, a fake one
// in tests), controllers plugged in and out while the game runs.
#pragma once

#include "platform/host/pad_keys.h"
#include "platform/host/pad_slots.h"

#include <cstdint>

// XInput's own records, laid out as the DLL fills them.
struct XinputGamepad {
    std::uint16_t buttons;
    std::uint8_t left_trigger;
    std::uint8_t right_trigger;
    std::int16_t thumb_lx, thumb_ly, thumb_rx, thumb_ry; // y grows upwards
};
struct XinputState {
    std::uint32_t packet;
    XinputGamepad pad;
};

// XInput's button bits.
constexpr std::uint16_t XINPUT_DPAD_UP = 0x0001;
constexpr std::uint16_t XINPUT_DPAD_DOWN = 0x0002;
constexpr std::uint16_t XINPUT_DPAD_LEFT = 0x0004;
constexpr std::uint16_t XINPUT_DPAD_RIGHT = 0x0008;
constexpr std::uint16_t XINPUT_START = 0x0010;
constexpr std::uint16_t XINPUT_BACK = 0x0020;
constexpr std::uint16_t XINPUT_LEFT_THUMB = 0x0040;
constexpr std::uint16_t XINPUT_RIGHT_THUMB = 0x0080;
constexpr std::uint16_t XINPUT_LEFT_SHOULDER = 0x0100;
constexpr std::uint16_t XINPUT_RIGHT_SHOULDER = 0x0200;
constexpr std::uint16_t XINPUT_A = 0x1000;
constexpr std::uint16_t XINPUT_B = 0x2000;
constexpr std::uint16_t XINPUT_X = 0x4000;
constexpr std::uint16_t XINPUT_Y = 0x8000;

constexpr int XINPUT_SLOTS = 4;
// XInputGetState's answer for an empty slot.
constexpr std::uint32_t XINPUT_NOT_CONNECTED = 1167;
// An empty slot is asked again only this often: asking one is slow on Windows.
constexpr std::uint32_t XINPUT_RESCAN_MS = 1000;

// The DLL's calling convention; the same as any other on 64-bit Windows and elsewhere.
#if defined(_WIN32) && defined(__i386__)
#define XINPUT_CALL __stdcall
#else
#define XINPUT_CALL
#endif
using XinputGetStateFunction = std::uint32_t(XINPUT_CALL*)(std::uint32_t slot, XinputState* state);

struct XinputPads {
    XinputGetStateFunction get_state; // null: no XInput, no controllers
    bool connected[XINPUT_SLOTS];
    bool scanned;            // the empty slots have been asked at least once
    std::uint32_t last_scan; // when the empty slots were last asked
    std::uint32_t keys;      // the keys the controllers hold together, one bit per binding
    bool unfocused;          // the program has no focus: every controller reads as let go
};

// A controller's state in the shape every system shares.
PadState xinput_state(const XinputGamepad& pad);

// Reads the controllers at `now_ms`: those plugged in every time, the empty slots once a
// XINPUT_RESCAN_MS. Returns the key set they hold now (a controller that went away holds
// nothing any more) and stores it in pads->keys; each controller is reported on its own
// (pad_slots.h), its slot its kind, so that it keeps its number.
std::uint32_t xinput_poll(XinputPads* pads, std::uint32_t now_ms);
