// Solid triangles in locked pixel memory, cut to the clip rectangle: split at the middle
// vertex into a flat-bottom and a flat-top part, each filled one span per row. Vertices may lie
// anywhere in 32 bits; nothing outside the clip rectangle is ever written.
#pragma once

#include <cstdint>

// Float edges, 8-bit pixels. The general routine takes its vertices in any order.
void draw_triangle8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                    std::int32_t x3, std::int32_t y3, std::int32_t color, std::uint8_t* buffer,
                    std::int32_t pitch);
// (x1, y1) and (x2, y2) the top edge, (x3, y3) the apex below; draws nothing unless y3 > y1.
void draw_flat_top_triangle8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             std::int32_t x3, std::int32_t y3, std::int32_t color,
                             std::uint8_t* buffer, std::int32_t pitch);
// (x1, y1) the apex, (x2, y2) and (x3, y3) the bottom edge; draws nothing unless y3 > y1.
void draw_flat_bottom_triangle8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                std::int32_t x3, std::int32_t y3, std::int32_t color,
                                std::uint8_t* buffer, std::int32_t pitch);

// Float edges, 16-bit pixels: the 8-bit family's spans, filled with words.
void draw_triangle16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                     std::int32_t x3, std::int32_t y3, std::int32_t color, std::uint16_t* buffer,
                     std::int32_t pitch);
// The flat-top part with 16-bit pixels.
void draw_flat_top_triangle16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                              std::int32_t x3, std::int32_t y3, std::int32_t color,
                              std::uint16_t* buffer, std::int32_t pitch);
// The flat-bottom part with 16-bit pixels.
void draw_flat_bottom_triangle16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                                 std::int32_t x3, std::int32_t y3, std::int32_t color,
                                 std::uint16_t* buffer, std::int32_t pitch);

// 16.16 fixed-point edges, 8-bit pixels; the edges are held in 64 bits, so no vertex distance
// overflows them.
void draw_triangle8_fixed(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t x3, std::int32_t y3, std::int32_t color,
                          std::uint8_t* buffer, std::int32_t pitch);
// The flat-top part with fixed-point edges; draws nothing unless y3 > y1 and y3 != y2.
void draw_flat_top_triangle8_fixed(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                   std::int32_t y2, std::int32_t x3, std::int32_t y3,
                                   std::int32_t color, std::uint8_t* buffer, std::int32_t pitch);
// The flat-bottom part with fixed-point edges; draws nothing unless y3 > y1 and y2 != y1.
void draw_flat_bottom_triangle8_fixed(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                      std::int32_t y2, std::int32_t x3, std::int32_t y3,
                                      std::int32_t color, std::uint8_t* buffer, std::int32_t pitch);
