// The character against the block: stopped at its sides, the rise ended under it, and
// standing on its top.
#pragma once

#include "engine/engine.h"

#include <cstdint>

// The width of the strips along the block's sides that stop the character.
constexpr std::int32_t BLOCK_SIDE_STRIP = 2;

// Adjusts this frame's speeds, and the character's height when it lands on the block.
void collide_player_with_block(std::int32_t& velocity_x, std::int32_t& velocity_y, Sprite block);
