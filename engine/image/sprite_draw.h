// Per-frame sprite operations: keyed drawing (plain or stretched), animation through
// sequences, motion with wrap-around or bouncing, and the sprite-against-sprite test.
#pragma once

#include "engine/image/sprite.h"

#include <cstdint>

// Blits the current frame at (x, y) with its colour key, cut by the surface's clipper.
std::int32_t sprite_draw(const Sprite* sprite, IDirectDrawSurface7* dest);
// The same on a 16-bit display.
std::int32_t sprite_draw16(const Sprite* sprite, IDirectDrawSurface7* dest);
// Blits the current frame stretched to width x height.
std::int32_t sprite_draw_scaled(const Sprite* sprite, std::int32_t width, std::int32_t height,
                                IDirectDrawSurface7* dest);
// The same on a 16-bit display.
std::int32_t sprite_draw_scaled16(const Sprite* sprite, std::int32_t width, std::int32_t height,
                                  IDirectDrawSurface7* dest);
// Advances the animation by one call's worth (see the SPRITE_ bits).
std::int32_t sprite_animate(Sprite* sprite);
// Adds the velocity, then wraps or bounces at the clip rectangle as the bits say.
std::int32_t sprite_move(Sprite* sprite);
// 1 when the two sprites, each shrunk to three quarters, overlap.
std::int32_t sprite_hit_test(const Sprite* first, const Sprite* second);
