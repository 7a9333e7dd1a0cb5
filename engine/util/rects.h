// Rectangles in locked pixel memory, outlined or filled, at 8 and 16 bits per pixel, cut to
// the clip rectangle. Both corners are included and may be given in either order.
#pragma once

#include <cstdint>

// The outline of the rectangle with corners (x1, y1) and (x2, y2), one pixel wide.
void draw_rect8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                std::int32_t color, std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
void draw_rect16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                 std::int32_t color, std::uint16_t* buffer, std::int32_t pitch);
// The whole rectangle with corners (x1, y1) and (x2, y2) filled.
void fill_rect8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                std::int32_t color, std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
void fill_rect16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                 std::int32_t color, std::uint16_t* buffer, std::int32_t pitch);
