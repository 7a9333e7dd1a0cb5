// Triangles with 16.16 fixed-point edges at 8 bits per pixel: no floating point per row.
// The edges are held in 64 bits: a vertex distance of 32768 columns or more, or a long
// advance past rows above the clip rectangle, would not fit 32.
#include "engine/util/triangle_rows.h"
#include "engine/util/triangle_split.h"
#include "engine/util/triangles.h"

#include <utility>

namespace {

constexpr int FRACTION_BITS = 16;
constexpr std::int64_t HALF = std::int64_t{1} << (FRACTION_BITS - 1);

std::int64_t to_fixed(std::int32_t column) {
    return std::int64_t{column} * (std::int64_t{1} << FRACTION_BITS);
}

// Rounded half up: the shift of a negative value floors.
std::int64_t to_column(std::int64_t fixed) {
    return (fixed + HALF) >> FRACTION_BITS;
}

// Column steps per row, truncated toward zero. At most 2^48 in magnitude.
std::int64_t slope(std::int32_t from, std::int32_t to, std::int64_t height) {
    return (to_fixed(to) - to_fixed(from)) / height;
}

void fill_fixed_part(TriangleEdges<std::int64_t> e, std::int32_t x1, std::int32_t x2,
                     std::int32_t x3, std::int32_t y1, std::int32_t y3, std::int32_t color,
                     std::uint8_t* buffer, std::int32_t pitch) {
    fill_triangle_part(
        e, x1, x2, x3, y1, y3, to_column,
        [](std::int64_t difference) { return to_column(difference) + 1; }, color, buffer, pitch);
}

} // namespace

void draw_flat_top_triangle8_fixed(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                   std::int32_t y2, std::int32_t x3, std::int32_t y3,
                                   std::int32_t color, std::uint8_t* buffer, std::int32_t pitch) {
    if (y3 <= y1 || y2 == y3) return;
    if (x2 < x1) std::swap(x1, x2);
    const std::int64_t height = std::int64_t{y3} - y1;
    const TriangleEdges<std::int64_t> edges{to_fixed(x1), to_fixed(x2), slope(x1, x3, height),
                                            slope(x2, x3, height)};
    fill_fixed_part(edges, x1, x2, x3, y1, y3, color, buffer, pitch);
}

void draw_flat_bottom_triangle8_fixed(std::int32_t x1, std::int32_t y1, std::int32_t x2,
                                      std::int32_t y2, std::int32_t x3, std::int32_t y3,
                                      std::int32_t color, std::uint8_t* buffer,
                                      std::int32_t pitch) {
    if (y3 <= y1 || y1 == y2) return;
    if (x3 < x2) std::swap(x2, x3);
    const std::int64_t height = std::int64_t{y3} - y1;
    const TriangleEdges<std::int64_t> edges{to_fixed(x1), to_fixed(x1), slope(x1, x2, height),
                                            slope(x1, x3, height)};
    fill_fixed_part(edges, x1, x2, x3, y1, y3, color, buffer, pitch);
}

void draw_triangle8_fixed(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                          std::int32_t x3, std::int32_t y3, std::int32_t color,
                          std::uint8_t* buffer, std::int32_t pitch) {
    draw_split_triangle<std::uint8_t>(x1, y1, x2, y2, x3, y3, color, buffer, pitch,
                                      draw_flat_top_triangle8_fixed,
                                      draw_flat_bottom_triangle8_fixed);
}
