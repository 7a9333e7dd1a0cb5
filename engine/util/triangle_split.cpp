// Sorting, rejection and the split point of the general triangle.
#include "engine/util/triangle_split.h"

#include "engine/display/display_context.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

void order_pair(std::int32_t& xa, std::int32_t& ya, std::int32_t& xb, std::int32_t& yb) {
    if (yb < ya) {
        std::swap(xa, xb);
        std::swap(ya, yb);
    }
}

// x1 + trunc(offset + 0.5) for an offset of down * across / height, in floating point.
template <typename Real>
std::int64_t split_offset(std::int64_t down, std::int64_t across, std::int64_t height) {
    const Real offset =
        static_cast<Real>(down) * static_cast<Real>(across) / static_cast<Real>(height);
    return static_cast<std::int64_t>(offset + static_cast<Real>(0.5));
}

// Where the long edge crosses row y2: x1 plus the offset along the edge with a half added,
// truncated toward zero. The differences are taken in 64 bits and the product and quotient in
// extended precision, so no vertex position can overflow them. While the product stays below
// 2^51, double precision is exact enough to give the same column, and much cheaper. The point
// lies between x1 and x3, which keeps it in range.
std::int32_t split_column(std::int32_t x1, std::int32_t y1, std::int32_t y2, std::int32_t x3,
                          std::int32_t y3) {
    const std::int64_t down = std::int64_t{y2} - y1;
    const std::int64_t across = std::int64_t{x3} - x1;
    const std::int64_t height = std::int64_t{y3} - y1;
    const bool small = down < (std::int64_t{1} << 25) && std::abs(across) < (std::int64_t{1} << 26);
    const std::int64_t nx = x1 + (small ? split_offset<double>(down, across, height)
                                        : split_offset<long double>(down, across, height));
    return static_cast<std::int32_t>(
        std::clamp<std::int64_t>(nx, std::min(x1, x3), std::max(x1, x3)));
}

} // namespace

TriangleShape split_triangle(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                             std::int32_t x3, std::int32_t y3, TriangleSplit& out) {
    if ((x1 == x2 && x2 == x3) || (y1 == y2 && y2 == y3)) return TriangleShape::none;
    order_pair(x1, y1, x2, y2);
    order_pair(x1, y1, x3, y3);
    order_pair(x2, y2, x3, y3);
    if (clip_min_x > clip_max_x || clip_min_y > clip_max_y) return TriangleShape::none;
    if (y3 < clip_min_y || y1 > clip_max_y) return TriangleShape::none;
    if (std::max({x1, x2, x3}) < clip_min_x || std::min({x1, x2, x3}) > clip_max_x)
        return TriangleShape::none;
    out = {x1, y1, x2, y2, x3, y3, 0};
    if (y1 == y2) return TriangleShape::flat_top;
    if (y2 == y3) return TriangleShape::flat_bottom;
    out.nx = split_column(x1, y1, y2, x3, y3);
    return TriangleShape::split;
}
