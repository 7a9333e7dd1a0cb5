// Midpoint circles in locked pixel memory, outlined or filled, at 8 and 16 bits per pixel,
// cut to the clip rectangle. Each octant mirrors the first, so the shapes are symmetric
// about both axes and both diagonals through the centre.
#pragma once

#include <cstdint>

// The outline of the circle of the given radius about (cx, cy); radius 0 is the centre pixel,
// a negative radius draws nothing.
void draw_circle8(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
                  std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
void draw_circle16(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
                   std::uint16_t* buffer, std::int32_t pitch);
// The disc inside that outline, outline included.
void fill_circle8(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
                  std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
void fill_circle16(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
                   std::uint16_t* buffer, std::int32_t pitch);
