// The character's movement in a played frame: the vertical move, the lift out of the
// ground, the per-frame update, and drawing the character and the block.
#include "game/player.h"

#include "game/block_collision.h"
#include "game/game_sounds.h"
#include "game/player_input.h"
#include "game/player_state.h"
#include "game/setup.h"
#include "game/truncate.h"

namespace {

constexpr std::int32_t FRAMES_PER_FACING = 5;
constexpr std::int32_t IN_THE_AIR_FRAME = 4;

// Whether ground lies anywhere in the character's box stretched `extra_rows` further down.
bool ground_in_box(std::int32_t extra_rows) {
    const float x = PlayerSprite.x;
    const float y = PlayerSprite.y;
    return color_scan(truncate_to_int(x), truncate_to_int(y),
                      truncate_to_int(x + PlayerSprite.width),
                      truncate_to_int(y + PlayerSprite.height + extra_rows), GROUND_COLOUR,
                      GROUND_COLOUR, back_buffer, back_pitch) != 0;
}

} // namespace

void apply_vertical_velocity() {
    if (PlayerVelocityY != 0) PlayerSprite.y = PlayerSprite.y - PlayerVelocityY;
}

void rise_out_of_ground() {
    // Once the box's bottom row reaches the top row, every row of the scan is clamped onto
    // row 0 and lifting further can never clear it: the lift ends at the top edge.
    while (truncate_to_int(PlayerSprite.y + PlayerSprite.height) > 0 && ground_in_box(0))
        PlayerSprite.y = PlayerSprite.y - 1;
}

void update_player() {
    const PlayerKeys keys = poll_player_keys();
    steer_player(keys);
    // Speed 0 is standing (or the top of a jump); below 0 at the start of a frame, the last
    // frame ended in the air, falling.
    const std::int32_t before = PlayerVelocityY;
    update_jump(keys.jump);
    if (before == 0 && PlayerVelocityY == JUMP_IMPULSE) play_game_sound(SOUND_JUMP);
    const std::int32_t rising = PlayerVelocityY;
    collide_player_with_block(PlayerVelocityX, PlayerVelocityY, BlockSprite);
    if (rising > 0 && PlayerVelocityY == FALL_SPEED) play_game_sound(SOUND_BUMP);

    // Landing: the position is put right by the next frame's lift.
    if (PlayerVelocityY < 0 && ground_in_box(1)) {
        PlayerVelocityY = 0;
        if (before < 0) play_game_sound(SOUND_LAND);
    }

    const std::int32_t facing_first = FRAMES_PER_FACING * PlayerSprite.current_sequence;
    if (PlayerVelocityY != 0)
        PlayerSprite.current_frame = facing_first + IN_THE_AIR_FRAME;
    else if (PlayerVelocityX != 0)
        sprite_animate(&PlayerSprite);
    else
        PlayerSprite.current_frame = facing_first;

    PlayerSprite.x = PlayerSprite.x + PlayerVelocityX;

    if (PlayerVelocityX < 0)
        PlayerVelocityX += FRICTION;
    else if (PlayerVelocityX > 0)
        PlayerVelocityX -= FRICTION;
}

void draw_player() {
    sprite_draw(&PlayerSprite, back_surface);
}

void place_and_draw_block(std::int32_t x, std::int32_t y) {
    sprite_set_position(&BlockSprite, x, y);
    sprite_animate(&BlockSprite);
    sprite_draw(&BlockSprite, back_surface);
}
