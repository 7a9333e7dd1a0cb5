// One pass's frame of the game: the current screen drawn, the player moved on the playing
// screen, the frame presented, the cursor shown or hidden.
#pragma once

#include <cstdint>

// Always 1.
std::int32_t game_frame();
