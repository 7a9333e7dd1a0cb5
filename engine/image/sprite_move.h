// A sprite's motion, wrapping around or bouncing at the clip rectangle, and the
// sprite-against-sprite hit test.
#pragma once

#include "engine/image/sprite.h"

#include <cstdint>

// Adds the velocity, then wraps or bounces at the clip rectangle as the bits say.
std::int32_t sprite_move(Sprite* sprite);
// 1 when the two sprites, each shrunk to three quarters, overlap.
std::int32_t sprite_hit_test(const Sprite* first, const Sprite* second);
