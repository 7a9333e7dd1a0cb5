// Polling the movement keys, and what they do to the character's speeds.
#include "game/player_input.h"

#include "game/player_state.h"
#include "game/setup.h"
#include "game/truncate.h"

namespace {

constexpr int KEY_D = 0x44;
constexpr int KEY_A = 0x41;
constexpr int KEY_Z = 0x5A;
constexpr int KEY_C = 0x43;
constexpr std::int32_t FACING_RIGHT = 0;
constexpr std::int32_t FACING_LEFT = 1;

bool key_held(int virtual_key) {
    return (GetAsyncKeyState(virtual_key) & 0x8000) != 0;
}

} // namespace

PlayerKeys poll_player_keys() {
    PlayerKeys keys{};
    keys.right = key_held(VK_RIGHT) || key_held(KEY_D);
    keys.left = key_held(VK_LEFT) || key_held(KEY_A);
    keys.run = key_held(VK_DELETE) || key_held(KEY_Z);
    keys.jump = key_held(VK_NEXT) || key_held(KEY_C);
    return keys;
}

void steer_player(const PlayerKeys& keys) {
    std::int32_t& vx = PlayerVelocityX;
    if (keys.right) {
        if (keys.run) {
            if (vx < RUN_SPEED_BOUND) vx += WALK_ACCELERATION;
        } else {
            if (vx < WALK_SPEED_LIMIT) vx += WALK_ACCELERATION;
            if (vx > WALK_SPEED_LIMIT) vx = WALK_SPEED_LIMIT;
        }
        if (PlayerSprite.current_sequence != FACING_RIGHT)
            sprite_select_sequence(&PlayerSprite, FACING_RIGHT);
    } else if (keys.left) {
        if (keys.run) {
            if (vx > -RUN_SPEED_BOUND) vx -= WALK_ACCELERATION;
        } else {
            if (vx > -WALK_SPEED_LIMIT) vx -= WALK_ACCELERATION;
            if (vx < -WALK_SPEED_LIMIT) vx = -WALK_SPEED_LIMIT;
        }
        if (PlayerSprite.current_sequence != FACING_LEFT)
            sprite_select_sequence(&PlayerSprite, FACING_LEFT);
    }
}

void update_jump(bool jump_held) {
    std::int32_t& vy = PlayerVelocityY;
    if (!jump_held) {
        vy = FALL_SPEED;
        JumpRising = 0;
        return;
    }
    const float x = PlayerSprite.x;
    const float y = PlayerSprite.y;
    // With vy 0 this is the character's box and the row beneath it.
    const std::int32_t touching =
        color_scan(truncate_to_int(x), truncate_to_int(y), truncate_to_int(x + PlayerSprite.width),
                   truncate_to_int(y + PlayerSprite.height + vy + 1), GROUND_COLOUR, GROUND_COLOUR,
                   back_buffer, back_pitch);
    if (touching || vy > 0 || (vy == 0 && JumpRising == 0)) {
        if (vy == 0) {
            vy = JUMP_IMPULSE;
            JumpRising = 1;
        } else if (vy > 0) {
            vy -= JUMP_SLOWDOWN;
            JumpRising = 1;
        } else {
            vy = FALL_SPEED;
        }
    } else {
        // The top of a held jump with nothing below: the fall begins.
        vy = FALL_SPEED;
        JumpRising = 0;
    }
}
