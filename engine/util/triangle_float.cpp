// Triangles with single-precision edges, at 8 and 16 bits per pixel: one algorithm, the pixel
// type deciding only the row length and the block fill.
#include "engine/util/triangle_rows.h"
#include "engine/util/triangle_split.h"
#include "engine/util/triangles.h"

#include <utility>

namespace {

// Truncates toward zero. An edge lies within 2^34 columns of the origin (a vertex within 2^31,
// and at most the height's worth of steps each at most 2^32 / height), so 64 bits always hold it,
// even where 32 would not.
std::int64_t truncate(double value) {
    return static_cast<std::int64_t>(value);
}

float row_count(std::int32_t y1, std::int32_t y3) {
    return static_cast<float>(std::int64_t{y3} - y1);
}

float column_offset(std::int32_t from, std::int32_t to) {
    return static_cast<float>(std::int64_t{to} - from);
}

// Each edge's column and step are floats, every update rounded to float as it is stored. The
// width is taken from the float difference of the edges.
template <typename Pixel>
void fill_float_part(TriangleEdges<float> e, std::int32_t x1, std::int32_t x2, std::int32_t x3,
                     std::int32_t y1, std::int32_t y3, std::int32_t color, Pixel* buffer,
                     std::int32_t pitch) {
    fill_triangle_part(
        e, x1, x2, x3, y1, y3, [](float x) { return truncate(x); },
        [](float difference) { return truncate(static_cast<double>(difference) + 1.0); }, color,
        buffer, pitch);
}

// The right edge starts half a column right of the top-right vertex.
template <typename Pixel>
void flat_top(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t x3, std::int32_t y3,
              std::int32_t color, Pixel* buffer, std::int32_t pitch) {
    if (y3 <= y1) return;
    if (x2 < x1) std::swap(x1, x2);
    const float height = row_count(y1, y3);
    const TriangleEdges<float> edges{static_cast<float>(x1), static_cast<float>(x2 + 0.5),
                                     column_offset(x1, x3) / height,
                                     column_offset(x2, x3) / height};
    fill_float_part(edges, x1, x2, x3, y1, y3, color, buffer, pitch);
}

template <typename Pixel>
void flat_bottom(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t x3,
                 std::int32_t y3, std::int32_t color, Pixel* buffer, std::int32_t pitch) {
    if (y3 <= y1) return;
    if (x3 < x2) std::swap(x2, x3);
    const float height = row_count(y1, y3);
    const TriangleEdges<float> edges{static_cast<float>(x1), static_cast<float>(x1),
                                     column_offset(x1, x2) / height,
                                     column_offset(x1, x3) / height};
    fill_float_part(edges, x1, x2, x3, y1, y3, color, buffer, pitch);
}

} // namespace

void draw_flat_top_triangle8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t,
                             std::int32_t x3, std::int32_t y3, std::int32_t color,
                             std::uint8_t* buffer, std::int32_t pitch) {
    flat_top(x1, y1, x2, x3, y3, color, buffer, pitch);
}

void draw_flat_bottom_triangle8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t,
                                std::int32_t x3, std::int32_t y3, std::int32_t color,
                                std::uint8_t* buffer, std::int32_t pitch) {
    flat_bottom(x1, y1, x2, x3, y3, color, buffer, pitch);
}

void draw_triangle8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                    std::int32_t x3, std::int32_t y3, std::int32_t color, std::uint8_t* buffer,
                    std::int32_t pitch) {
    draw_split_triangle<std::uint8_t>(x1, y1, x2, y2, x3, y3, color, buffer, pitch,
                                      draw_flat_top_triangle8, draw_flat_bottom_triangle8);
}

void draw_flat_top_triangle16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t,
                              std::int32_t x3, std::int32_t y3, std::int32_t color,
                              std::uint16_t* buffer, std::int32_t pitch) {
    flat_top(x1, y1, x2, x3, y3, color, buffer, pitch);
}

void draw_flat_bottom_triangle16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t,
                                 std::int32_t x3, std::int32_t y3, std::int32_t color,
                                 std::uint16_t* buffer, std::int32_t pitch) {
    flat_bottom(x1, y1, x2, x3, y3, color, buffer, pitch);
}

void draw_triangle16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                     std::int32_t x3, std::int32_t y3, std::int32_t color, std::uint16_t* buffer,
                     std::int32_t pitch) {
    draw_split_triangle<std::uint16_t>(x1, y1, x2, y2, x3, y3, color, buffer, pitch,
                                       draw_flat_top_triangle16, draw_flat_bottom_triangle16);
}
