// Game controllers through XInput's table of functions, as the keyboard's keys.
#include "platform/host/win32/win32_xinput.h"

namespace {

// XInput's triggers run 0 to 255, the shared mapping's 0 to 32767.
constexpr int TRIGGER_SCALE = 32767 / 255;

} // namespace

PadState xinput_state(const XinputGamepad& pad) {
    PadState state = {};
    state.dpad_up = (pad.buttons & XINPUT_DPAD_UP) != 0;
    state.dpad_down = (pad.buttons & XINPUT_DPAD_DOWN) != 0;
    state.dpad_left = (pad.buttons & XINPUT_DPAD_LEFT) != 0;
    state.dpad_right = (pad.buttons & XINPUT_DPAD_RIGHT) != 0;
    state.south = (pad.buttons & XINPUT_A) != 0;
    state.west = (pad.buttons & XINPUT_X) != 0;
    state.start = (pad.buttons & XINPUT_START) != 0;
    state.back = (pad.buttons & XINPUT_BACK) != 0;
    state.left_x = pad.thumb_lx;
    state.left_y = -static_cast<int>(pad.thumb_ly);
    state.right_trigger = pad.right_trigger * TRIGGER_SCALE;
    state.east = (pad.buttons & XINPUT_B) != 0;
    state.north = (pad.buttons & XINPUT_Y) != 0;
    state.left_shoulder = (pad.buttons & XINPUT_LEFT_SHOULDER) != 0;
    state.right_shoulder = (pad.buttons & XINPUT_RIGHT_SHOULDER) != 0;
    state.left_stick = (pad.buttons & XINPUT_LEFT_THUMB) != 0;
    state.right_stick = (pad.buttons & XINPUT_RIGHT_THUMB) != 0;
    state.right_x = pad.thumb_rx;
    state.right_y = -static_cast<int>(pad.thumb_ry);
    state.left_trigger = pad.left_trigger * TRIGGER_SCALE;
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
