// Coming back after another program took the display (Alt+Tab from full screen): the surfaces'
// memory restored, and everything that lived in it drawn again.
#pragma once

#include <cstdint>

// 1 when every surface the game draws with is whole, after restoring and refilling them if
// they were lost; 0 while they cannot be had back yet, when the frame is to be skipped.
std::int32_t recover_lost_surfaces();
