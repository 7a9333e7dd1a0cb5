// Polygon outlines drawn with clipped lines, 8 and 16 bits per pixel.
#include "engine/util/lines.h"
#include "engine/util/polygon.h"
#include "engine/util/polygon_points.h"

namespace {

template <typename Pixel, typename Line>
std::int32_t draw_outline(const Polygon* polygon, Pixel* buffer, std::int32_t pitch, Line line) {
    if (!polygon || !polygon->active || !buffer) return 0;
    const std::int32_t count = polygon_vertex_count(polygon);
    if (count == 0) return 0;
    const auto x = [&](std::int32_t i) {
        return screen_coordinate(polygon->x0, polygon->vlist[i].x);
    };
    const auto y = [&](std::int32_t i) {
        return screen_coordinate(polygon->y0, polygon->vlist[i].y);
    };
    for (std::int32_t i = 0; i + 1 < count; ++i)
        line(x(i), y(i), x(i + 1), y(i + 1), polygon->color, buffer, pitch);
    // The closing edge runs from the first vertex to the last, not back round; the walk
    // from each end point is not the mirror of the other, so the direction shows.
    line(x(0), y(0), x(count - 1), y(count - 1), polygon->color, buffer, pitch);
    return 1;
}

} // namespace

std::int32_t draw_polygon8(const Polygon* polygon, std::uint8_t* buffer, std::int32_t pitch) {
    return draw_outline(polygon, buffer, pitch, draw_clip_line8);
}

std::int32_t draw_polygon16(const Polygon* polygon, std::uint16_t* buffer, std::int32_t pitch) {
    return draw_outline(polygon, buffer, pitch, draw_clip_line16);
}
