// The browser's game controllers through emscripten's Gamepad calls: every pad in the
// standard layout is read when the message pump empties the queue, and a key is held while
// any pad holds it. Pads in another layout are left out: their buttons could be anything.
#include "platform/host/web/web_gamepad.h"
#include "platform/host/web/web_gamepad_map.h"
#include "platform/host/pad_slots.h"

#include <emscripten/html5.h>

#include <cstdint>
#include <cstring>

// Tells the page that a pad is being played with, so that it can put away its touch controls.
EM_JS(void, pad_played, (), { window.dispatchEvent(new Event('brambleleap-pad')); });

namespace {

void (*Push)(const VideoEvent&) = nullptr;
std::uint32_t Held = 0;
EmscriptenGamepadEvent Pad; // large: kept out of the stack

void push_key(int virtual_key, int down, void*) {
    VideoEvent event = {};
    event.kind = down ? VIDEO_KEY_DOWN : VIDEO_KEY_UP;
    event.virtual_key = virtual_key;
    if (Push) Push(event);
}

void push_changes(std::uint32_t keys) {
    pad_key_changes(Held, keys, push_key, nullptr);
    if (keys & ~Held) pad_played();
    Held = keys;
}

// Plugging in changes nothing held; unplugging is read at once rather than at the next pump.
EM_BOOL on_pad_change(int, const EmscriptenGamepadEvent*, void*) {
    web_gamepads_poll();
    return EM_FALSE;
}

} // namespace

void web_gamepads_listen(void (*push)(const VideoEvent& event)) {
    if (!push) {
        push_changes(0);
        pads_sweep(); // nothing read since the last: every pad is let go
    }
    Push = push;
    Held = 0;
    emscripten_set_gamepadconnected_callback(nullptr, EM_TRUE, push ? on_pad_change : nullptr);
    emscripten_set_gamepaddisconnected_callback(nullptr, EM_TRUE, push ? on_pad_change : nullptr);
}

void web_gamepads_poll() {
    if (!Push || emscripten_sample_gamepad_data() != EMSCRIPTEN_RESULT_SUCCESS) return;
    std::uint32_t keys = 0;
    const int count = emscripten_get_num_gamepads();
    for (int i = 0; i < count; i++) {
        std::memset(&Pad, 0, sizeof Pad);
        if (emscripten_get_gamepad_status(i, &Pad) != EMSCRIPTEN_RESULT_SUCCESS) continue;
        if (!Pad.connected || std::strcmp(Pad.mapping, "standard") != 0) continue;
        const PadState reading = web_pad_reading(Pad.digitalButton, Pad.analogButton,
                                                 Pad.numButtons, Pad.axis, Pad.numAxes);
        keys |= pad_keys(reading);
        // The browser keeps a pad's index while it is plugged in; its id names the model.
        pads_seen(i, pad_kind(Pad.id, strnlen(Pad.id, sizeof Pad.id)), reading);
    }
    pads_sweep();
    push_changes(keys);
}
