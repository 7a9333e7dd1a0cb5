// Setting a sprite's position, velocity, animation speed and visibility.
#include "engine/image/sprite.h"

std::int32_t sprite_set_position(Sprite* sprite, std::int32_t x, std::int32_t y) {
    if (sprite == nullptr) return 0;
    sprite->x = static_cast<float>(x);
    sprite->y = static_cast<float>(y);
    return 1;
}

std::int32_t sprite_set_velocity(Sprite* sprite, std::int32_t x_velocity, std::int32_t y_velocity) {
    if (sprite == nullptr) return 0;
    sprite->x_velocity = static_cast<float>(x_velocity);
    sprite->y_velocity = static_cast<float>(y_velocity);
    return 1;
}

std::int32_t sprite_set_delay(Sprite* sprite, std::int32_t delay) {
    if (sprite == nullptr) return 0;
    sprite->frame_delay = delay;
    return 1;
}

std::int32_t sprite_hide(Sprite* sprite) {
    if (sprite == nullptr) return 0;
    sprite->attributes &= ~SPRITE_SHOWN;
    return 1;
}

std::int32_t sprite_show(Sprite* sprite) {
    if (sprite == nullptr) return 0;
    sprite->attributes |= SPRITE_SHOWN;
    return 1;
}
