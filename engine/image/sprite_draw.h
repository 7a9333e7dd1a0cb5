// Per-frame sprite operations: keyed drawing (plain or stretched), animation through
// sequences, motion with wrap-around or bouncing, and the sprite-against-sprite test.
#pragma once

#include "engine/image/sprite.h"

#include <cstdint>

std::int32_t sprite_draw(const Sprite* sprite, IDirectDrawSurface7* dest);
std::int32_t sprite_draw16(const Sprite* sprite, IDirectDrawSurface7* dest);
std::int32_t sprite_draw_scaled(const Sprite* sprite, std::int32_t width, std::int32_t height,
                                IDirectDrawSurface7* dest);
std::int32_t sprite_draw_scaled16(const Sprite* sprite, std::int32_t width, std::int32_t height,
                                  IDirectDrawSurface7* dest);
std::int32_t sprite_animate(Sprite* sprite);
std::int32_t sprite_move(Sprite* sprite);
std::int32_t sprite_hit_test(const Sprite* first, const Sprite* second);
