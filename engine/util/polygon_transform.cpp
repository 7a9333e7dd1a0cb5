// Moving, turning and scaling a polygon directly, and the box around its vertices.
#include "engine/util/polygon.h"
#include "engine/util/polygon_points.h"

#include <algorithm>

namespace {

// A sum past the 32-bit range would be undefined; it stops at the range's end instead.
std::int32_t saturated_sum(std::int32_t a, std::int32_t b) {
    const std::int64_t sum = std::int64_t{a} + b;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(sum, INT32_MIN, INT32_MAX));
}

} // namespace

std::int32_t translate_polygon(Polygon* polygon, std::int32_t dx, std::int32_t dy) {
    if (!polygon) return 0;
    polygon->x0 = saturated_sum(polygon->x0, dx);
    polygon->y0 = saturated_sum(polygon->y0, dy);
    return 1;
}

std::int32_t rotate_polygon(Polygon* polygon, std::int32_t angle) {
    if (!polygon) return 0;
    const auto [ca, sa] = table_turn(angle);
    const std::int32_t count = polygon_vertex_count(polygon);
    for (std::int32_t i = 0; i < count; ++i) {
        Point2D& v = polygon->vlist[i];
        // Each product is rounded to a float before the difference, so the result is the
        // same as the matrix route's running sums.
        const float x_cos = v.x * ca;
        const float y_sin = v.y * sa;
        const float x_sin = v.x * sa;
        const float y_cos = v.y * ca;
        v.x = x_cos - y_sin;
        v.y = x_sin + y_cos;
    }
    return 1;
}

std::int32_t scale_polygon(Polygon* polygon, float sx, float sy) {
    if (!polygon) return 0;
    const std::int32_t count = polygon_vertex_count(polygon);
    for (std::int32_t i = 0; i < count; ++i) {
        polygon->vlist[i].x *= sx;
        polygon->vlist[i].y *= sy;
    }
    return 1;
}

std::int32_t polygon_bounding_box(const Polygon* polygon, float* min_x, float* max_x, float* min_y,
                                  float* max_y) {
    if (!polygon || !min_x || !max_x || !min_y || !max_y) return 0;
    const std::int32_t count = polygon_vertex_count(polygon);
    if (count == 0) return 0;
    // The box starts at the position itself, so it always holds (0, 0).
    *min_x = *max_x = *min_y = *max_y = 0.0f;
    for (std::int32_t i = 0; i < count; ++i) {
        const Point2D v = polygon->vlist[i];
        if (v.x > *max_x) *max_x = v.x;
        if (v.x < *min_x) *min_x = v.x;
        if (v.y > *max_y) *max_y = v.y;
        if (v.y < *min_y) *min_y = v.y;
    }
    return 1;
}
