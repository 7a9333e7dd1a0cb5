// Scripted controllers: the changes scripted, taken in time order, and the controllers plugged in
// as of the last one applied, all reported to the controller numbering and the key bindings at
// every change.
#include "platform/host/headless/headless_pads.h"
#include "platform/host/pad_slots.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

struct ScriptedPad {
    std::uint32_t at;
    int id;
    bool gone;
    PadState state;
};

struct PluggedPad {
    int id;
    PadState state;
};

std::vector<ScriptedPad> Script; // in the order they were scripted
std::vector<PluggedPad> Plugged;
std::uint32_t HeldKeys = 0; // the keys the controllers hold together, one bit per binding

// Signed, so that scripts keep working across the clock's wrap.
std::int32_t until(std::uint32_t at, std::uint32_t clock) {
    return static_cast<std::int32_t>(at - clock);
}

PadState scripted_state(std::uint32_t buttons, const std::int32_t* axes) {
    PadState s = {};
    for (int b = 0; b < PAD_BUTTON_COUNT; b++)
        if (bool PadState::*field = pad_state_field(b)) s.*field = (buttons >> b) & 1u;
    if (axes) {
        s.left_x = axes[PAD_AXIS_LEFT_X];
        s.left_y = axes[PAD_AXIS_LEFT_Y];
        s.right_x = axes[PAD_AXIS_RIGHT_X];
        s.right_y = axes[PAD_AXIS_RIGHT_Y];
        s.left_trigger = axes[PAD_AXIS_LEFT_TRIGGER];
        s.right_trigger = axes[PAD_AXIS_RIGHT_TRIGGER];
    }
    if (buttons & pad_button(PAD_LEFT_TRIGGER)) s.left_trigger = 32767;
    if (buttons & pad_button(PAD_RIGHT_TRIGGER)) s.right_trigger = 32767;
    return s;
}

void apply(const ScriptedPad& change) {
    auto found = std::find_if(Plugged.begin(), Plugged.end(),
                              [&](const PluggedPad& p) { return p.id == change.id; });
    if (change.gone) {
        if (found != Plugged.end()) Plugged.erase(found);
    } else if (found != Plugged.end()) {
        found->state = change.state;
    } else {
        Plugged.push_back({change.id, change.state});
    }
}

// The change due first at `clock_ms`, the first scripted of those due at once; -1 for none.
int next_due(std::uint32_t clock_ms) {
    int next = -1;
    for (int i = 0; i < static_cast<int>(Script.size()); i++) {
        const std::int32_t wait = until(Script[i].at, clock_ms);
        if (wait <= 0 && (next < 0 || wait < until(Script[next].at, clock_ms))) next = i;
    }
    return next;
}

// Every controller plugged in read, and the keys they hold pressed and released as the
// desktop's controllers press them.
void report(const HeadlessPadKey& key) {
    std::uint32_t keys = 0;
    for (const PluggedPad& pad : Plugged) {
        keys |= pad_keys(pad.state);
        pads_seen(pad.id, static_cast<std::uint64_t>(pad.id), pad.state);
    }
    pads_sweep();
    pad_key_changes(HeldKeys, keys, key.emit, key.context);
    HeldKeys = keys;
}

} // namespace

void headless_script_pad(std::uint32_t at_ms, int pad_id, std::uint32_t buttons,
                         const std::int32_t* axes) {
    Script.push_back({at_ms, pad_id, false, scripted_state(buttons, axes)});
}

void headless_script_pad_gone(std::uint32_t at_ms, int pad_id) {
    Script.push_back({at_ms, pad_id, true, PadState{}});
}

void headless_pads_due(std::uint32_t clock_ms, const HeadlessPadKey& key) {
    // Each change is read on its own, so that a tap shorter than a frame is still a press.
    for (int next; (next = next_due(clock_ms)) >= 0;) {
        apply(Script[next]);
        Script.erase(Script.begin() + next);
        report(key);
    }
}

void headless_pads_reset() {
    Script.clear();
    Plugged.clear();
    HeldKeys = 0;
    pads_reset();
}
