// The player's movement: key polling, speeds, the jump, the ground found by colour scans
// of the back buffer, the block's collisions, and drawing the character and the block.
#pragma once

#include "engine/engine.h"

#include <cstdint>

constexpr std::int32_t WALK_ACCELERATION = 2;
constexpr std::int32_t WALK_SPEED_LIMIT = 4;
constexpr std::int32_t RUN_SPEED_BOUND = 8;
constexpr std::int32_t FRICTION = 1;
constexpr std::int32_t JUMP_IMPULSE = 40;
constexpr std::int32_t JUMP_SLOWDOWN = 5;
constexpr std::int32_t FALL_SPEED = -15;
constexpr std::int32_t GROUND_COLOUR = 170;
constexpr std::int32_t BLOCK_X = 549;
constexpr std::int32_t BLOCK_Y = 290;
constexpr std::int32_t BLOCK_SIDE_STRIP = 2;

extern std::int32_t PlayerVelocityX;
extern std::int32_t PlayerVelocityY; // positive upward
extern std::int32_t JumpRising;

void apply_vertical_velocity();
void rise_out_of_ground();
void update_player();
void collide_player_with_block(std::int32_t& velocity_x, std::int32_t& velocity_y, Sprite block);
void draw_player();
void place_and_draw_block(std::int32_t x, std::int32_t y);
