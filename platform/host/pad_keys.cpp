// Game controllers as keys, the same on every system: buttons, the program's bindings, and
// the presses and releases a change makes.
#include "platform/host/pad_keys.h"

namespace {

// Windows's virtual-key codes of the keys bound when the program binds none.
constexpr int KEY_ENTER = 0x0D, KEY_ESCAPE = 0x1B, KEY_LEFT = 0x25, KEY_UP = 0x26, KEY_RIGHT = 0x27,
              KEY_DOWN = 0x28;

// Without the program's own, controllers move through menus and nothing more.
constexpr PadBinding DEFAULT_BINDINGS[] = {
    {pad_button(PAD_UP), KEY_UP},       {pad_button(PAD_DOWN), KEY_DOWN},
    {pad_button(PAD_LEFT), KEY_LEFT},   {pad_button(PAD_RIGHT), KEY_RIGHT},
    {pad_button(PAD_START), KEY_ENTER}, {pad_button(PAD_BACK), KEY_ESCAPE},
};

struct Bindings {
    PadBinding list[PAD_BINDINGS_MAX];
    int count;
};
Bindings Bound = {};
bool ProgramBound = false;

const Bindings& bindings() {
    if (!ProgramBound) pad_bind(nullptr, 0);
    return Bound;
}

// The buttons beyond those the platform's own bindings know.
std::uint32_t pad_other_buttons(const PadState& in) {
    std::uint32_t held = 0;
    for (int b = PAD_EAST; b < PAD_BUTTON_COUNT; b++) {
        bool PadState::*field = pad_state_field(b);
        if (field && in.*field) held |= 1u << b;
    }
    if (in.left_trigger > GAMEPAD_DEAD_ZONE) held |= pad_button(PAD_LEFT_TRIGGER);
    return held;
}

} // namespace

void pad_bind(const PadBinding* list, int count) {
    if (!list || count <= 0) {
        list = DEFAULT_BINDINGS;
        count = static_cast<int>(sizeof DEFAULT_BINDINGS / sizeof DEFAULT_BINDINGS[0]);
    }
    ProgramBound = true;
    Bound.count = 0;
    for (int i = 0; i < count; i++) {
        if (!list[i].virtual_key || !list[i].buttons) continue;
        // A key bound twice is one key held by either's buttons, pressed and let go once.
        int at = 0;
        while (at < Bound.count && Bound.list[at].virtual_key != list[i].virtual_key)
            at++;
        if (at < Bound.count) {
            Bound.list[at].buttons |= list[i].buttons;
        } else if (Bound.count < PAD_BINDINGS_MAX) {
            Bound.list[Bound.count++] = list[i];
        }
    }
}

bool PadState::*pad_state_field(int button) {
    static bool PadState::*const FIELDS[PAD_BUTTON_COUNT] = {
        &PadState::dpad_up,
        &PadState::dpad_down,
        &PadState::dpad_left,
        &PadState::dpad_right,
        &PadState::south,
        &PadState::west,
        &PadState::start,
        &PadState::back,
        nullptr, // right trigger
        &PadState::east,
        &PadState::north,
        &PadState::left_shoulder,
        &PadState::right_shoulder,
        nullptr,
        /* left trigger */ &PadState::left_stick,
        &PadState::right_stick};
    return button >= 0 && button < PAD_BUTTON_COUNT ? FIELDS[button] : nullptr;
}

std::uint32_t pad_buttons(const PadState& in) {
    std::uint32_t held = 0;
    if (in.dpad_up || in.left_y < -GAMEPAD_DEAD_ZONE) held |= pad_button(PAD_UP);
    if (in.dpad_down || in.left_y > GAMEPAD_DEAD_ZONE) held |= pad_button(PAD_DOWN);
    if (in.dpad_left || in.left_x < -GAMEPAD_DEAD_ZONE) held |= pad_button(PAD_LEFT);
    if (in.dpad_right || in.left_x > GAMEPAD_DEAD_ZONE) held |= pad_button(PAD_RIGHT);
    if (in.south) held |= pad_button(PAD_SOUTH);
    if (in.west) held |= pad_button(PAD_WEST);
    if (in.right_trigger > GAMEPAD_DEAD_ZONE) held |= pad_button(PAD_RIGHT_TRIGGER);
    if (in.start) held |= pad_button(PAD_START);
    if (in.back) held |= pad_button(PAD_BACK);
    return held | pad_other_buttons(in);
}

std::uint32_t pad_keys(const PadState& state) {
    const std::uint32_t held = pad_buttons(state);
    const Bindings& b = bindings();
    std::uint32_t keys = 0;
    for (int i = 0; i < b.count; i++)
        if (held & b.list[i].buttons) keys |= 1u << i;
    return keys;
}

int gamepad_virtual_key(int bit) {
    const Bindings& b = bindings();
    return bit >= 0 && bit < b.count ? b.list[bit].virtual_key : 0;
}

int pad_keys_hold(std::uint32_t keys, int virtual_key) {
    for (int bit = 0; bit < PAD_BINDINGS_MAX; bit++)
        if ((keys & (1u << bit)) && gamepad_virtual_key(bit) == virtual_key) return 1;
    return 0;
}

void pad_key_changes(std::uint32_t before, std::uint32_t now,
                     void (*emit)(int virtual_key, int down, void* context), void* context) {
    const std::uint32_t changed = before ^ now;
    for (int bit = 0; bit < PAD_BINDINGS_MAX && emit; bit++) {
        if (!(changed & (1u << bit))) continue;
        const int key = gamepad_virtual_key(bit);
        if (key) emit(key, (now >> bit) & 1u, context);
    }
}
