// Turning a sprite's float coordinates into whole pixels the way drawing and hit tests do:
// the sum formed in single precision, then truncated toward zero.
#pragma once

#include <cstdint>

// 1 and trunc(offset + position) in `pixel`; 0 when the sum is not a number or lies beyond
// the 32-bit range, where the conversion would be undefined.
std::int32_t truncate_position(float offset, float position, std::int32_t* pixel);
