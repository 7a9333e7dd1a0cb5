// Moving a sprite by its velocity, wrapping or bouncing at the clip rectangle, and testing
// two sprites for overlap.
#include "engine/image/sprite_move.h"

#include "engine/display/display_context.h"
#include "engine/image/sprite_position.h"
#include "engine/util/collision.h"

std::int32_t sprite_move(Sprite* sprite) {
    if (sprite == nullptr) return 0;
    sprite->x += sprite->x_velocity;
    sprite->y += sprite->y_velocity;
    const auto min_x = static_cast<float>(clip_min_x);
    const auto min_y = static_cast<float>(clip_min_y);
    const auto max_x = static_cast<float>(clip_max_x);
    const auto max_y = static_cast<float>(clip_max_y);
    const auto width = static_cast<float>(sprite->width);
    const auto height = static_cast<float>(sprite->height);
    if ((sprite->attributes & SPRITE_WRAPS) != 0) {
        // Off one side by more than the sprite's size: come back in at the other.
        if (sprite->x > max_x)
            sprite->x = min_x - width;
        else if (sprite->x < min_x - width)
            sprite->x = max_x;
        if (sprite->y > max_y)
            sprite->y = min_y - height;
        else if (sprite->y < min_y - height)
            sprite->y = max_y;
    } else if ((sprite->attributes & SPRITE_BOUNCES) != 0) {
        // Only the velocity turns; the position is not pulled back inside.
        if (sprite->x > max_x - width || sprite->x < min_x)
            sprite->x_velocity = -sprite->x_velocity;
        if (sprite->y > max_y - height || sprite->y < min_y)
            sprite->y_velocity = -sprite->y_velocity;
    }
    return 1;
}

std::int32_t sprite_hit_test(const Sprite* first, const Sprite* second) {
    if (first == nullptr || second == nullptr) return 0;
    const std::int32_t hw1 = scaled_half_extent(first->width);
    const std::int32_t hh1 = scaled_half_extent(first->height);
    const std::int32_t hw2 = scaled_half_extent(second->width);
    const std::int32_t hh2 = scaled_half_extent(second->height);
    std::int32_t cx1, cy1, cx2, cy2;
    // Positions beyond the pixel range meet nothing.
    if (!truncate_position(static_cast<float>(hw1), first->x, &cx1) ||
        !truncate_position(static_cast<float>(hh1), first->y, &cy1) ||
        !truncate_position(static_cast<float>(hw2), second->x, &cx2) ||
        !truncate_position(static_cast<float>(hh2), second->y, &cy2))
        return 0;
    return centres_within(static_cast<std::int64_t>(cx2) - cx1,
                          static_cast<std::int64_t>(cy2) - cy1, hw1, hh1, hw2, hh2);
}
