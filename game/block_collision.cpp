// The character against the block: stopped at its sides, the rise ended under it, and
// standing on its top.
#include "game/block_collision.h"

#include "game/player_state.h"
#include "game/setup.h"
#include "game/truncate.h"

void collide_player_with_block(std::int32_t& velocity_x, std::int32_t& velocity_y, Sprite block) {
    const float x = PlayerSprite.x;
    const float y = PlayerSprite.y;
    const std::int32_t w = PlayerSprite.width;
    const std::int32_t h = PlayerSprite.height;
    const float bx = block.x;
    const float by = block.y;
    const std::int32_t bw = block.width;
    const std::int32_t bh = block.height;

    // Each side test sweeps a strip as wide as this frame's step against a thin strip along
    // the block's near side; the right-hand strip starts one step beyond the character.
    if (velocity_x > 0) {
        if (rects_overlap(truncate_to_int(x + w + velocity_x), truncate_to_int(y), velocity_x, h,
                          truncate_to_int(bx), truncate_to_int(by), BLOCK_SIDE_STRIP, bh))
            velocity_x = 0;
    } else if (velocity_x < 0) {
        if (rects_overlap(truncate_to_int(velocity_x + x), truncate_to_int(y), -velocity_x, h,
                          truncate_to_int(bw + bx), truncate_to_int(by), BLOCK_SIDE_STRIP, bh))
            velocity_x = 0;
    }

    const std::int32_t before_head = velocity_y;
    if (rects_overlap(truncate_to_int(x), truncate_to_int(y), w, h / 2, truncate_to_int(bx),
                      truncate_to_int(bh / 2 + by), bw, bh / 2) &&
        velocity_y > 0)
        velocity_y = FALL_SPEED;

    if (velocity_y != before_head) return;
    // The lower half is stretched down by this frame's fall so a fast fall cannot skip
    // over the block's top.
    if (rects_overlap(truncate_to_int(x), truncate_to_int(h / 2 + y), w, h / 2 - velocity_y,
                      truncate_to_int(bx), truncate_to_int(by), bw, bh / 2) &&
        velocity_y < 0) {
        velocity_y = 0;
        PlayerSprite.y = by - h;
    }
}
