// The row loop under every triangle part, for float and fixed-point edges and 8- and 16-bit
// pixels alike: rows cut to the clip rectangle, each row's span cut to the clip columns and
// filled with one block fill.
#pragma once

#include "engine/display/display_context.h"
#include "engine/util/lines.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The rows of a part that the clip rectangle lets through, and how many rows its edges must
// be advanced by before the first of them.
struct TriangleRows {
    std::int32_t first;
    std::int32_t last;
    std::int64_t skipped;
};

// A row's columns, first to last inclusive, before clipping. 64 bits wide so that edges far
// off the screen keep their side of the clip rectangle.
struct TriangleSpan {
    std::int64_t first;
    std::int64_t last;
};

// False when no row of y1..y3 is visible or the clip rectangle is empty. Otherwise at most
// y3 - y1 rows are skipped, which bounds how far the edges can be advanced.
inline bool clip_triangle_rows(std::int32_t y1, std::int32_t y3, TriangleRows& rows) {
    if (clip_min_x > clip_max_x || clip_min_y > clip_max_y) return false;
    if (y3 < y1 || y3 < clip_min_y || y1 > clip_max_y) return false;
    rows.first = std::max(y1, clip_min_y);
    rows.last = std::min(y3, clip_max_y);
    rows.skipped = std::int64_t{rows.first} - y1;
    return true;
}

// When all three columns lie in the clip columns the spans need no per-row clip tests, only
// the guard that keeps edge rounding from stepping one column past the rectangle.
inline bool inside_clip_columns(std::int32_t x1, std::int32_t x2, std::int32_t x3) {
    return std::min({x1, x2, x3}) >= clip_min_x && std::max({x1, x2, x3}) <= clip_max_x;
}

// Sets count bytes from `at` to the colour's low byte.
inline void fill_span(std::uint8_t* at, std::int32_t color, std::int64_t count) {
    std::memset(at, color, static_cast<std::size_t>(count));
}

// Sets count 16-bit pixels from `at` to the colour's low 16 bits.
inline void fill_span(std::uint16_t* at, std::int32_t color, std::int64_t count) {
    // A span is at most as wide as the clip rectangle, which may exceed what one call counts;
    // the steps stay far below what a 32-bit address space can offset.
    constexpr std::int32_t STEP = 1 << 28;
    for (; count > STEP; count -= STEP, at += STEP)
        fill_words(at, static_cast<std::uint16_t>(color), STEP);
    fill_words(at, static_cast<std::uint16_t>(color), static_cast<std::int32_t>(count));
}

// next_span() returns the current row's span and steps the edges to the next row. Spans are
// cut to the clip columns; a row left empty is skipped.
template <typename Pixel, typename NextSpan>
void fill_triangle_rows(const TriangleRows& rows, NextSpan next_span, std::int32_t color,
                        Pixel* buffer, std::int32_t pitch) {
    // 16-bit rows are pitch >> 1 pixels apart (pitch is in bytes).
    const std::ptrdiff_t stride = sizeof(Pixel) == 1 ? pitch : pitch >> 1;
    const std::int64_t min_x = clip_min_x;
    const std::int64_t max_x = clip_max_x;
    for (std::int64_t y = rows.first; y <= rows.last; ++y) {
        const TriangleSpan span = next_span();
        const std::int64_t first = std::max(span.first, min_x);
        const std::int64_t last = std::min(span.last, max_x);
        if (first <= last) fill_span(buffer + y * stride + first, color, last - first + 1);
    }
}

// A part's left and right edge positions and their steps per row.
template <typename Position> struct TriangleEdges {
    Position xs;
    Position xe;
    Position dl;
    Position dr;
};

// Fills rows y1..y3 of a flat-top or flat-bottom part. column(x) is the column of an edge
// position; width(xe - xs) the pixel count of a span that starts at column(xs), used when all
// three vertex columns x1, x2, x3 lie in the clip columns.
template <typename Pixel, typename Position, typename Column, typename Width>
void fill_triangle_part(TriangleEdges<Position> e, std::int32_t x1, std::int32_t x2,
                        std::int32_t x3, std::int32_t y1, std::int32_t y3, Column column,
                        Width width, std::int32_t color, Pixel* buffer, std::int32_t pitch) {
    TriangleRows rows;
    if (!clip_triangle_rows(y1, y3, rows)) return;
    // The edges where they cross the first visible row.
    e.xs += e.dl * static_cast<Position>(rows.skipped);
    e.xe += e.dr * static_cast<Position>(rows.skipped);
    const auto step = [&e] {
        e.xs += e.dl;
        e.xe += e.dr;
    };
    if (inside_clip_columns(x1, x2, x3)) {
        const auto next_span = [&] {
            const std::int64_t first = column(e.xs);
            const std::int64_t count = width(e.xe - e.xs);
            step();
            return TriangleSpan{first, first + count - 1};
        };
        fill_triangle_rows(rows, next_span, color, buffer, pitch);
    } else {
        const auto next_span = [&] {
            const TriangleSpan span{column(e.xs), column(e.xe)};
            step();
            return span;
        };
        fill_triangle_rows(rows, next_span, color, buffer, pitch);
    }
}
