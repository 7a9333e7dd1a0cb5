// Game controllers through XInput's table of functions, as the keyboard's keys.
#include "platform/host/windows/windows_xinput.h"

namespace {

// XInput's triggers run 0 to 255, the shared mapping's 0 to 32767.
constexpr int TRIGGER_SCALE = 32767 / 255;

} // namespace

PadState xinput_state(const XinputGamepad& pad) {
    struct Button {
        std::uint16_t bit;
        PadButton shared;
    };
    static const Button BUTTONS[] = {
        {XINPUT_DPAD_UP, PAD_UP},
        {XINPUT_DPAD_DOWN, PAD_DOWN},
        {XINPUT_DPAD_LEFT, PAD_LEFT},
        {XINPUT_DPAD_RIGHT, PAD_RIGHT},
        {XINPUT_A, PAD_SOUTH},
        {XINPUT_B, PAD_EAST},
        {XINPUT_X, PAD_WEST},
        {XINPUT_Y, PAD_NORTH},
        {XINPUT_START, PAD_START},
        {XINPUT_BACK, PAD_BACK},
        {XINPUT_LEFT_SHOULDER, PAD_LEFT_SHOULDER},
        {XINPUT_RIGHT_SHOULDER, PAD_RIGHT_SHOULDER},
        {XINPUT_LEFT_THUMB, PAD_LEFT_STICK},
        {XINPUT_RIGHT_THUMB, PAD_RIGHT_STICK},
    };
    PadState state = {};
    for (const Button& b : BUTTONS)
        state.*pad_state_field(b.shared) = (pad.buttons & b.bit) != 0;
    // XInput's sticks grow upwards.
    state.left_x = pad.thumb_lx;
    state.left_y = -static_cast<int>(pad.thumb_ly);
    state.right_x = pad.thumb_rx;
    state.right_y = -static_cast<int>(pad.thumb_ry);
    state.left_trigger = pad.left_trigger * TRIGGER_SCALE;
    state.right_trigger = pad.right_trigger * TRIGGER_SCALE;
    return state;
}

std::uint32_t xinput_poll(XinputPads* pads, std::uint32_t now_ms) {
    pads->keys = 0;
    if (!pads->get_state) {
        pads_sweep();
        return 0;
    }
    const bool scan = !pads->scanned || now_ms - pads->last_scan >= XINPUT_RESCAN_MS;
    if (scan) {
        pads->scanned = true;
        pads->last_scan = now_ms;
    }
    for (int slot = 0; slot < XINPUT_SLOTS; slot++) {
        if (!pads->connected[slot] && !scan) continue;
        XinputState state = {};
        const std::uint32_t result = pads->get_state(static_cast<std::uint32_t>(slot), &state);
        // Any failure counts as unplugged, so a controller in trouble lets go of its keys.
        pads->connected[slot] = result == 0;
        if (!pads->connected[slot]) continue;
        const PadState read = pads->unfocused ? PadState{} : xinput_state(state.pad);
        pads->keys |= pad_keys(read);
        pads_seen(slot, static_cast<std::uint64_t>(slot), read);
    }
    // Every controller plugged in was asked; one that failed is gone.
    pads_sweep();
    return pads->keys;
}
