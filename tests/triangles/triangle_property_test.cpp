// Random triangles in every family: nothing outside the clip rectangle changes whatever the
// vertices, neither vertex order nor pixel width changes the pixels, and the pixels follow
// the exact triangle.
#include "triangles/triangle_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <random>
#include <sstream>

namespace {

// Anywhere in 32 bits, the extremes, on and beside the clip bounds, and near the rectangle.
std::int32_t any_coordinate(std::mt19937& rng, std::int32_t low, std::int32_t high) {
    static constexpr std::int32_t EXTREMES[] = {INT_MIN,    INT_MIN + 1, INT_MAX, INT_MAX - 1,
                                                -(1 << 24), 1 << 24,     -32768,  32768};
    switch (rng() % 8) {
    case 0:
        return static_cast<std::int32_t>(rng());
    case 1:
        return EXTREMES[rng() % 8];
    case 2:
        return (rng() % 2 ? low : high) + static_cast<std::int32_t>(rng() % 3) - 1;
    default:
        return std::uniform_int_distribution<std::int32_t>(low - 200, high + 200)(rng);
    }
}

TEST(TriangleProperties, NothingOutsideTheClipRectangleChanges) {
    // The default rectangle, an off-centre one, one reaching into negative columns and rows
    // (the guard bands are real memory), and two empty ones, in which nothing may change.
    const ClipRect clips[] = {{0, 0, 639, 479},
                              {100, 50, 300, 200},
                              {-50, -40, 60, 30},
                              {300, 100, 299, 300},
                              {100, 300, 400, 299}};
    TriangleCanvas canvas(640, 480);
    std::mt19937 rng(2005);
    for (const ClipRect& clip : clips) {
        display_context_reset();
        set_clip(clip);
        canvas.clear();
        for (int batch = 0; batch < 25; ++batch) {
            for (int i = 0; i < 1000; ++i) {
                const auto x = [&] { return any_coordinate(rng, clip.min_x, clip.max_x); };
                const auto y = [&] { return any_coordinate(rng, clip.min_y, clip.max_y); };
                const Triangle t{x(), y(), x(), y(), x(), y()};
                for (Family family : ALL_FAMILIES)
                    canvas.draw(family, t);
            }
            for (Family family : ALL_FAMILIES)
                ASSERT_TRUE(canvas.untouched_outside(family, clip))
                    << family_name(family) << ", clip from (" << clip.min_x << ", " << clip.min_y
                    << "), batch " << batch;
        }
    }
}

const ClipRect SMALL_CLIPS[] = {{0, 0, 159, 119}, {30, 20, 120, 90}};

// Mostly about the 160 x 120 canvas; a quarter reach 40,000 to 100,000 columns away, past
// what 32-bit 16.16 edges hold.
Triangle near_triangle(std::mt19937& rng) {
    std::uniform_int_distribution<std::int32_t> x(-60, 220), y(-60, 180), far(40000, 100000);
    Triangle t{x(rng), y(rng), x(rng), y(rng), x(rng), y(rng)};
    if (rng() % 4 == 0) t.x1 = rng() % 2 ? far(rng) : -far(rng);
    return t;
}

TEST(TriangleProperties, VertexOrderAndPixelWidthKeepThePixels) {
    TriangleCanvas canvas(160, 120);
    std::mt19937 rng(1948);
    for (const ClipRect& clip : SMALL_CLIPS) {
        display_context_reset();
        set_clip(clip);
        for (int i = 0; i < 300; ++i) {
            const Triangle t = near_triangle(rng);
            const Triangle orders[] = {t,
                                       {t.x1, t.y1, t.x3, t.y3, t.x2, t.y2},
                                       {t.x2, t.y2, t.x1, t.y1, t.x3, t.y3},
                                       {t.x2, t.y2, t.x3, t.y3, t.x1, t.y1},
                                       {t.x3, t.y3, t.x1, t.y1, t.x2, t.y2},
                                       {t.x3, t.y3, t.x2, t.y2, t.x1, t.y1}};
            std::vector<bool> first[ALL_FAMILIES.size()];
            for (Family family : ALL_FAMILIES)
                for (const Triangle& order : orders) {
                    canvas.clear();
                    canvas.draw(family, order);
                    std::vector<bool>& expected = first[static_cast<int>(family)];
                    if (expected.empty())
                        expected = canvas.changed(family);
                    else
                        ASSERT_EQ(expected, canvas.changed(family))
                            << family_name(family) << " " << order;
                }
            ASSERT_EQ(first[static_cast<int>(Family::float8)],
                      first[static_cast<int>(Family::float16)])
                << t;
        }
    }
}

double segment_distance(double px, double py, double ax, double ay, double bx, double by) {
    const double dx = bx - ax, dy = by - ay;
    const double length2 = dx * dx + dy * dy;
    const double s =
        length2 > 0 ? std::clamp(((px - ax) * dx + (py - ay) * dy) / length2, 0.0, 1.0) : 0.0;
    return std::hypot(px - ax - s * dx, py - ay - s * dy);
}

struct Place {
    double outside; // distance to the triangle, 0 inside it
    double inside;  // distance to the nearest edge when inside, negative or 0 otherwise
};

Place locate(const Triangle& t, double px, double py) {
    const double v[3][2] = {
        {double(t.x1), double(t.y1)}, {double(t.x2), double(t.y2)}, {double(t.x3), double(t.y3)}};
    const double area =
        (v[1][0] - v[0][0]) * (v[2][1] - v[0][1]) - (v[1][1] - v[0][1]) * (v[2][0] - v[0][0]);
    Place place{INFINITY, area == 0 ? 0.0 : INFINITY};
    for (int i = 0; i < 3; ++i) {
        const double* a = v[i];
        const double* b = v[(i + 1) % 3];
        place.outside = std::min(place.outside, segment_distance(px, py, a[0], a[1], b[0], b[1]));
        if (area == 0) continue;
        const double side = ((b[0] - a[0]) * (py - a[1]) - (b[1] - a[1]) * (px - a[0])) /
                            std::hypot(b[0] - a[0], b[1] - a[1]);
        place.inside = std::min(place.inside, area > 0 ? side : -side);
    }
    if (place.inside >= 0) place.outside = 0;
    return place;
}

// A pixel's centre is its own coordinates: vertices sit on pixel centres and each row is cut at
// its own y. Filled pixels may reach 3 pixels out: the split column is x1 + trunc(offset + 0.5),
// up to 1.5 columns right of a long edge leaning left; the float right edge starts half a column
// out and the fixed width is rounded apart from the start; and truncation toward zero moves an
// edge in (-1, 0) onto column 0. Pixels more than 2 inside must all be filled. Either catches a
// wrong slope, split point or clip advance without restating the arithmetic.
TEST(TriangleProperties, PixelsFollowTheExactTriangle) {
    TriangleCanvas canvas(160, 120);
    std::mt19937 rng(1979);
    for (const ClipRect& clip : SMALL_CLIPS) {
        display_context_reset();
        set_clip(clip);
        for (int i = 0; i < 400; ++i) {
            const Triangle t = near_triangle(rng);
            for (Family family : ALL_FAMILIES) {
                canvas.clear();
                canvas.draw(family, t);
                const std::vector<bool> filled = canvas.changed(family);
                int wrong = 0;
                std::ostringstream example;
                for (int y = clip.min_y; y <= clip.max_y; ++y)
                    for (int x = clip.min_x; x <= clip.max_x; ++x) {
                        const Place place = locate(t, x, y);
                        const bool is_filled = filled[static_cast<std::size_t>(y) * 160 + x];
                        if (is_filled ? place.outside <= 3 : place.inside <= 2) continue;
                        if (wrong++ < 8) example << " (" << x << "," << y << ")";
                    }
                ASSERT_EQ(0, wrong)
                    << family_name(family) << " " << t << ", pixels" << example.str();
            }
        }
    }
}

} // namespace
