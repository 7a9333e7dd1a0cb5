// The general triangle shared by every family: the vertices sorted by row, triangles with
// nothing visible rejected, and the rest split at the middle vertex's row into a flat-bottom
// part above and a flat-top part below.
#pragma once

#include <cstdint>

// How a triangle is drawn: not at all, as one part, or split in two.
enum class TriangleShape { none, flat_top, flat_bottom, split };

// Vertices sorted top to bottom, and nx, the column where the long edge from vertex 1 to
// vertex 3 crosses row y2 (meaningful only for a split).
struct TriangleSplit {
    std::int32_t x1, y1, x2, y2, x3, y3, nx;
};

// Sorts the vertices by row and tells how the triangle is drawn.
TriangleShape split_triangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             std::int32_t x3, std::int32_t y3, TriangleSplit& out);

// A flat-top or flat-bottom part routine of one family.
template <typename Pixel>
using TrianglePart = void (*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                              std::int32_t, std::int32_t, Pixel*, std::int32_t);

// Row y2 is filled by both parts of a split triangle.
template <typename Pixel>
void draw_split_triangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                         std::int32_t x3, std::int32_t y3, std::int32_t color, Pixel* buffer,
                         std::int32_t pitch, TrianglePart<Pixel> flat_top,
                         TrianglePart<Pixel> flat_bottom) {
    TriangleSplit t;
    switch (split_triangle(x1, y1, x2, y2, x3, y3, t)) {
    case TriangleShape::none:
        return;
    case TriangleShape::flat_top:
        flat_top(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, color, buffer, pitch);
        return;
    case TriangleShape::flat_bottom:
        flat_bottom(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, color, buffer, pitch);
        return;
    case TriangleShape::split:
        flat_bottom(t.x1, t.y1, t.nx, t.y2, t.x2, t.y2, color, buffer, pitch);
        flat_top(t.x2, t.y2, t.nx, t.y2, t.x3, t.y3, color, buffer, pitch);
        return;
    }
}
