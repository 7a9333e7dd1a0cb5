// Pixels, lines and line clipping in locked pixel memory, at 8 and 16 bits per pixel.
// Buffers are addressed from pixel (0, 0) with a pitch in bytes; 16-bit routines halve it.
#pragma once

#include <cstdint>

// Stores the colour's low byte at (x, y). Unclipped.
std::int32_t plot_pixel8(std::int32_t x, std::int32_t y, std::int32_t color, std::uint8_t* buffer,
                         std::int32_t pitch);
// Stores the colour's low 16 bits at (x, y). Unclipped.
std::int32_t plot_pixel16(std::int32_t x, std::int32_t y, std::int32_t color, std::uint16_t* buffer,
                          std::int32_t pitch);
// Draws both end points and the error-term walk between them, from (x0, y0). Unclipped.
std::int32_t draw_line8(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                        std::int32_t color, std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
std::int32_t draw_line16(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                         std::int32_t color, std::uint16_t* buffer, std::int32_t pitch);
// Cuts the line to the clip rectangle: 1 and the visible part written back, or 0 and
// nothing written when no part of it is visible. End points may lie anywhere in the int
// range; an empty rectangle (a minimum above its maximum) shows nothing.
std::int32_t clip_line(std::int32_t& x0, std::int32_t& y0, std::int32_t& x1, std::int32_t& y1);
// Draws the part of the line inside the clip rectangle; always 1.
std::int32_t draw_clip_line8(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                             std::int32_t color, std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
std::int32_t draw_clip_line16(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                              std::int32_t color, std::uint16_t* buffer, std::int32_t pitch);
// Row y from column x1 to x2 (either order), cut to the clip rectangle; any ints are safe.
void draw_hline8(std::int32_t x1, std::int32_t x2, std::int32_t y, std::int32_t color,
                 std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
void draw_hline16(std::int32_t x1, std::int32_t x2, std::int32_t y, std::int32_t color,
                  std::uint16_t* buffer, std::int32_t pitch);
// Column x from row y1 to y2 (either order), cut to the clip rectangle; any ints are safe.
void draw_vline8(std::int32_t y1, std::int32_t y2, std::int32_t x, std::int32_t color,
                 std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
void draw_vline16(std::int32_t y1, std::int32_t y2, std::int32_t x, std::int32_t color,
                  std::uint16_t* buffer, std::int32_t pitch);
// Stores count copies of value at consecutive 16-bit places; a count of 0 or less stores none.
void fill_words(std::uint16_t* address, std::uint16_t value, std::int32_t count);
