// A sprite's animation: a still frame, all frames in turn, or its current sequence, looping
// or once, stepped every so many calls.
#pragma once

#include "engine/image/sprite.h"

#include <cstdint>

// Advances the animation by one call's worth (see the SPRITE_ bits).
std::int32_t sprite_animate(Sprite* sprite);
