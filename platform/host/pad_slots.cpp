// Each controller on its own: numbers handed out and kept, what each holds, and the presses
// and releases since the program last read it.
#include "platform/host/pad_slots.h"

#include <algorithm>
#include <cstdlib>

namespace {

struct PadSlot {
    bool connected;
    bool used; // a controller has had this number, so `kind` says what it was
    bool seen; // read since the last sweep
    std::int64_t handle;
    std::uint64_t kind;
    PadState state;
    std::uint32_t down, pressed, released;
};

PadSlot Slots[PADS_MAX];

void hold(PadSlot& slot, const PadState& state) {
    const std::uint32_t now = pad_buttons(state);
    slot.pressed |= now & ~slot.down;
    slot.released |= slot.down & ~now;
    slot.down = now;
    slot.state = state;
}

// The number for a controller newly plugged in: the one its kind had before, else one never
// given out, so that a controller coming back finds its own still free; -1 when all are taken.
int free_slot(std::uint64_t kind) {
    int never_used = -1, any = -1;
    for (int i = 0; i < PADS_MAX; i++) {
        const PadSlot& slot = Slots[i];
        if (slot.connected) continue;
        if (slot.used && slot.kind == kind) return i;
        if (!slot.used && never_used < 0) never_used = i;
        if (any < 0) any = i;
    }
    return never_used >= 0 ? never_used : any;
}

int slot_of(std::int64_t handle) {
    for (int i = 0; i < PADS_MAX; i++)
        if (Slots[i].connected && Slots[i].handle == handle) return i;
    return -1;
}

} // namespace

void pads_seen(std::int64_t handle, std::uint64_t kind, const PadState& state) {
    int at = slot_of(handle);
    if (at < 0) {
        at = free_slot(kind);
        if (at < 0) return;
        PadSlot& slot = Slots[at];
        slot.connected = slot.used = true;
        slot.handle = handle;
        slot.kind = kind;
        slot.down = 0;
    }
    Slots[at].seen = true;
    hold(Slots[at], state);
}

std::uint64_t pad_kind(const void* bytes, std::size_t size) {
    // FNV-1a: names that differ anywhere make different kinds.
    std::uint64_t kind = 14695981039346656037ull;
    for (std::size_t i = 0; i < size; i++)
        kind = (kind ^ static_cast<const unsigned char*>(bytes)[i]) * 1099511628211ull;
    return kind;
}

void pads_sweep() {
    for (PadSlot& slot : Slots) {
        if (slot.connected && !slot.seen) {
            hold(slot, PadState{});
            slot.connected = false;
        }
        slot.seen = false;
    }
}

void pads_let_go() {
    for (PadSlot& slot : Slots)
        if (slot.connected) hold(slot, PadState{});
}

void pads_reset() {
    for (PadSlot& slot : Slots)
        slot = PadSlot{};
}

int pad_dead_zoned(int value, int dead_zone) {
    value = std::clamp(value, -32768, 32767);
    dead_zone = std::clamp(dead_zone, 0, 32000);
    const int size = std::abs(value);
    if (size <= dead_zone) return 0;
    // Each side stretched to its own end, so that both ends are still reached.
    const int end = value > 0 ? 32767 : 32768;
    const int stretched = (size - dead_zone) * end / (end - dead_zone);
    return value > 0 ? stretched : -stretched;
}

int pad_count() {
    int count = 0;
    for (int i = 0; i < PADS_MAX; i++)
        if (Slots[i].connected) count = i + 1;
    return count;
}

int pad_read(int pad, PadReading* reading) {
    if (!reading) return 0;
    *reading = PadReading{};
    if (pad < 0 || pad >= PADS_MAX) return 0;
    PadSlot& slot = Slots[pad];
    reading->connected = slot.connected;
    reading->down = slot.down;
    reading->pressed = slot.pressed;
    reading->released = slot.released;
    slot.pressed = slot.released = 0;
    const PadState& s = slot.state;
    const int axes[PAD_AXIS_COUNT] = {
        pad_dead_zoned(s.left_x, PAD_STICK_DEAD_ZONE),
        pad_dead_zoned(s.left_y, PAD_STICK_DEAD_ZONE),
        pad_dead_zoned(s.right_x, PAD_STICK_DEAD_ZONE),
        pad_dead_zoned(s.right_y, PAD_STICK_DEAD_ZONE),
        std::max(0, pad_dead_zoned(s.left_trigger, PAD_TRIGGER_DEAD_ZONE)),
        std::max(0, pad_dead_zoned(s.right_trigger, PAD_TRIGGER_DEAD_ZONE)),
    };
    std::copy(axes, axes + PAD_AXIS_COUNT, reading->axes);
    return reading->connected;
}
