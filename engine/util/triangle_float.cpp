// Triangles with single-precision edges, at 8 and 16 bits per pixel: one algorithm, the pixel
// type deciding only the row length and the block fill.
#include "engine/util/triangle_rows.h"
#include "engine/util/triangle_split.h"
#include "engine/util/triangles.h"

#include <algorithm>
#include <utility>

namespace {

// Each edge's column and per-row step, every update rounded to float as it is stored.
struct FloatEdges {
    float xs; // left
    float xe; // right
    float dl;
    float dr;
};

// Truncates toward zero. An edge far beyond the screen is first brought within 2^62 columns,
// which keeps it beyond every clip column and the conversion defined.
std::int64_t truncate(double value) {
    return static_cast<std::int64_t>(std::clamp(value, -0x1p62, 0x1p62));
}

float row_count(std::int32_t y1, std::int32_t y3) {
    return static_cast<float>(std::int64_t{y3} - y1);
}

float column_offset(std::int32_t from, std::int32_t to) {
    return static_cast<float>(std::int64_t{to} - from);
}

template <typename Pixel>
void fill_float_part(FloatEdges e, std::int32_t x1, std::int32_t x2, std::int32_t x3,
                     std::int32_t y1, std::int32_t y3, std::int32_t color, Pixel* buffer,
                     std::int32_t pitch) {
    TriangleRows rows;
    if (!clip_triangle_rows(y1, y3, rows)) return;
    if (rows.skipped > 0) {
        // The edges where they cross the first visible row.
        const float skipped = static_cast<float>(rows.skipped);
        e.xs += e.dl * skipped;
        e.xe += e.dr * skipped;
    }
    if (inside_clip_columns(x1, x2, x3)) {
        fill_triangle_rows(
            rows,
            [&e] {
                const std::int64_t first = truncate(e.xs);
                const std::int64_t count = truncate(static_cast<double>(e.xe - e.xs) + 1.0);
                e.xs += e.dl;
                e.xe += e.dr;
                return TriangleSpan{first, first + count - 1};
            },
            color, buffer, pitch);
    } else {
        fill_triangle_rows(
            rows,
            [&e] {
                const TriangleSpan span{truncate(e.xs), truncate(e.xe)};
                e.xs += e.dl;
                e.xe += e.dr;
                return span;
            },
            color, buffer, pitch);
    }
}

// The right edge starts half a column right of the top-right vertex.
template <typename Pixel>
void flat_top(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t x3, std::int32_t y3,
              std::int32_t color, Pixel* buffer, std::int32_t pitch) {
    if (y3 <= y1) return;
    if (x2 < x1) std::swap(x1, x2);
    const float height = row_count(y1, y3);
    const FloatEdges edges{static_cast<float>(x1), static_cast<float>(x2 + 0.5),
                           column_offset(x1, x3) / height, column_offset(x2, x3) / height};
    fill_float_part(edges, x1, x2, x3, y1, y3, color, buffer, pitch);
}

template <typename Pixel>
void flat_bottom(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t x3,
                 std::int32_t y3, std::int32_t color, Pixel* buffer, std::int32_t pitch) {
    if (y3 <= y1) return;
    if (x3 < x2) std::swap(x2, x3);
    const float height = row_count(y1, y3);
    const FloatEdges edges{static_cast<float>(x1), static_cast<float>(x1),
                           column_offset(x1, x2) / height, column_offset(x1, x3) / height};
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
