// Drawing a sprite's current frame onto a surface with its colour key, plain or stretched.
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
