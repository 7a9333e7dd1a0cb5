// The character's movement state, its speeds and whether a jump is still rising, and the
// constants of its physics, shared by the key rules, the block collision and the frame's move.
#pragma once

#include <cstdint>

constexpr std::int32_t WALK_ACCELERATION = 2;
constexpr std::int32_t WALK_SPEED_LIMIT = 4;
constexpr std::int32_t RUN_SPEED_BOUND = 8;
constexpr std::int32_t FRICTION = 1;
constexpr std::int32_t JUMP_IMPULSE = 40;
constexpr std::int32_t JUMP_SLOWDOWN = 5;
constexpr std::int32_t FALL_SPEED = -15;
constexpr std::int32_t GROUND_COLOUR = 170;

extern std::int32_t PlayerVelocityX;
extern std::int32_t PlayerVelocityY; // positive upward
extern std::int32_t JumpRising;
