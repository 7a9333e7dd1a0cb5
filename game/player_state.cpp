// The character's speeds, from set-up to the end of the program.
#include "game/player_state.h"

std::int32_t PlayerVelocityX = 0;
std::int32_t PlayerVelocityY = 0;
std::int32_t JumpRising = 0;
