// Game controllers as the keyboard's keys, the same on every system.
#include "platform/video/pad_keys.h"
#include "platform/win32.h"

namespace {

constexpr int KEYS[GAMEPAD_KEY_COUNT] = {VK_UP,   VK_DOWN,   VK_LEFT,   VK_RIGHT,
                                         VK_NEXT, VK_DELETE, VK_RETURN, VK_ESCAPE};
enum { UP, DOWN, LEFT, RIGHT, JUMP, RUN, ENTER, ESCAPE };

std::uint32_t bit(int key) {
    return 1u << key;
}

} // namespace

int gamepad_virtual_key(int key_bit) {
    return key_bit >= 0 && key_bit < GAMEPAD_KEY_COUNT ? KEYS[key_bit] : 0;
}

std::uint32_t pad_keys(const PadState& in) {
    std::uint32_t keys = 0;
    if (in.dpad_up || in.left_y < -GAMEPAD_DEAD_ZONE) keys |= bit(UP);
    if (in.dpad_down || in.left_y > GAMEPAD_DEAD_ZONE) keys |= bit(DOWN);
    if (in.dpad_left || in.left_x < -GAMEPAD_DEAD_ZONE) keys |= bit(LEFT);
    if (in.dpad_right || in.left_x > GAMEPAD_DEAD_ZONE) keys |= bit(RIGHT);
    if (in.south) keys |= bit(JUMP);
    if (in.west || in.right_trigger > GAMEPAD_DEAD_ZONE) keys |= bit(RUN);
    if (in.start) keys |= bit(ENTER);
    if (in.back) keys |= bit(ESCAPE);
    return keys;
}
