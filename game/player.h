// The player's movement in a played frame: the vertical move, the lift out of the ground
// found by colour scans of the back buffer, the per-frame update, and drawing the character
// and the block.
#pragma once

#include <cstdint>

// Where every played frame puts the block.
constexpr std::int32_t BLOCK_X = 549;
constexpr std::int32_t BLOCK_Y = 290;

void apply_vertical_velocity();
void rise_out_of_ground();
void update_player();
void draw_player();
void place_and_draw_block(std::int32_t x, std::int32_t y);
