// Rectangles and circles, outlined and filled, at 8 and 16 bits, against plain models of each
// shape: over clip rectangles and positions inside, across every edge and corner, outside, and
// at the ends of the int range. Nothing outside the clip rectangle may change.
#include "clip_rect.h"
#include "support/guarded_buffer.h"

#include "engine/util/circles.h"
#include "engine/util/rects.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <map>
#include <set>
#include <utility>

namespace {

constexpr int WIDTH = 64, HEIGHT = 48;
using Point = std::pair<std::int64_t, std::int64_t>;
using Points = std::set<Point>;

enum Shape { RECT_OUTLINE, RECT_FILLED, CIRCLE_OUTLINE, CIRCLE_FILLED };

// A rectangle's corners, or a circle's centre in a, b and radius in c (d unused).
struct Case {
    std::int32_t a, b, c, d;
};

const ClipRect CLIPS[] = {
    {0, 0, WIDTH - 1, HEIGHT - 1}, // the whole buffer
    {10, 12, 50, 40},              // a window inside it
    {20, 20, 20, 20},              // one pixel
    {30, 10, 29, 40},              // empty: nothing may be drawn
};

// Rectangles: inside, reversed corners, across each edge and corner, a line, a point,
// outside, and corners at the ends of the int range.
const Case RECTS[] = {
    {12, 14, 30, 25},
    {30, 25, 12, 14},
    {-5, 15, 15, 30},
    {40, 15, 70, 30},
    {20, -3, 30, 16},
    {20, 35, 30, 60},
    {-9, -9, 11, 13},
    {45, 35, 90, 90},
    {5, 20, 60, 20},
    {25, 5, 25, 45},
    {20, 20, 20, 20},
    {-40, -40, -1, -1},
    {INT_MIN, INT_MIN, INT_MAX, INT_MAX},
    {INT_MAX, 3, INT_MIN, 30},
    {0, 0, WIDTH - 1, HEIGHT - 1},
    {19, 19, 21, 21},
};

// Circles: inside, across each edge and corner, radius 0, 1 and negative, outside, a circle
// larger than the buffer, and centres and radii at the ends of the int range.
const Case CIRCLES[] = {
    {30, 24, 9, 0},
    {30, 24, 0, 0},
    {30, 24, 1, 0},
    {30, 24, -1, 0},
    {5, 24, 12, 0},
    {60, 24, 12, 0},
    {30, 2, 15, 0},
    {30, 46, 15, 0},
    {2, 3, 20, 0},
    {63, 47, 20, 0},
    {20, 20, 2, 0},
    {-50, -50, 10, 0},
    {30, 24, 100, 0},
    {-1000, 24, 1020, 0},
    {INT_MAX, INT_MAX, 5, 0},
    {INT_MIN, 24, INT_MAX, 0},
    // Radii far beyond the screen whose edge still crosses it, drawn row by row.
    {-5000, 24, 5020, 0},
    {30, -60000, 60010, 0},
    {70000, 30, 69990, 0},
    {30, 4130, 4110, 0},
    {30, 4130, 4097, 0},
    {30, 24, INT_MAX, 0},
    {30, 24, INT_MIN, 0},
};

bool on_clip(const ClipRect& clip, std::int64_t x, std::int64_t y) {
    return x >= clip.min_x && x <= clip.max_x && y >= clip.min_y && y <= clip.max_y;
}

// Only what lies within a pixel of the buffer can be seen; the model keeps no more, so that
// huge shapes stay quick to list.
bool near_buffer(std::int64_t x, std::int64_t y) {
    return x >= -1 && x <= WIDTH && y >= -1 && y <= HEIGHT;
}

Points rect_model(const Case& r, bool filled) {
    Points points;
    const std::int64_t x1 = std::min(r.a, r.c), x2 = std::max(r.a, r.c);
    const std::int64_t y1 = std::min(r.b, r.d), y2 = std::max(r.b, r.d);
    // Only the part that can meet the buffer is listed; the rest is cut anyway.
    for (std::int64_t y = std::max<std::int64_t>(y1, -1); y <= std::min<std::int64_t>(y2, HEIGHT);
         ++y)
        for (std::int64_t x = std::max<std::int64_t>(x1, -1);
             x <= std::min<std::int64_t>(x2, WIDTH); ++x)
            if (filled || x == x1 || x == x2 || y == y1 || y == y2) points.insert({x, y});
    return points;
}

// The midpoint circle from its definition: step x along the first octant and keep y while the
// midpoint (x + 1, y - 1/2) lies inside the circle, all in quarter units, mirrored 8 ways.
// The disc fills each row between the outline's outermost points in that row.
Points circle_model(const Case& c, bool filled) {
    Points outline;
    std::map<std::int64_t, std::pair<std::int64_t, std::int64_t>> rows;
    if (c.c < 0) return outline;
    const std::int64_t r = c.c;
    for (std::int64_t x = 0, y = r; x <= y;) {
        const std::int64_t mirrored[8][2] = {{x, y}, {-x, y}, {x, -y}, {-x, -y},
                                             {y, x}, {-y, x}, {y, -x}, {-y, -x}};
        for (const auto& m : mirrored) {
            const std::int64_t px = c.a + m[0], py = c.b + m[1];
            if (near_buffer(px, py)) outline.insert({px, py});
            if (!filled || !near_buffer(0, py)) continue;
            auto [row, fresh] = rows.try_emplace(py, px, px);
            row->second = {std::min(row->second.first, px), std::max(row->second.second, px)};
        }
        const std::int64_t inside = 4 * (x + 1) * (x + 1) + (2 * y - 1) * (2 * y - 1) - 4 * r * r;
        if (inside >= 0) --y;
        ++x;
    }
    if (!filled) return outline;
    Points disc;
    for (const auto& [y, span] : rows)
        for (std::int64_t x = std::max<std::int64_t>(span.first, -1);
             x <= std::min<std::int64_t>(span.second, WIDTH); ++x)
            disc.insert({x, y});
    return disc;
}

// What each huge circle must show, where walking a model of it would take too long: the
// outline misses every clip rectangle, the disc covers it.
bool huge(const Case& c) {
    return c.c > 100000;
}

Points expected(Shape shape, const Case& c, const ClipRect& clip) {
    Points all;
    if (shape == RECT_OUTLINE || shape == RECT_FILLED) {
        all = rect_model(c, shape == RECT_FILLED);
    } else if (huge(c)) {
        const bool covers = shape == CIRCLE_FILLED && c.a == 30;
        for (int y = 0; y < HEIGHT && covers; ++y)
            for (int x = 0; x < WIDTH; ++x)
                all.insert({x, y});
    } else {
        all = circle_model(c, shape == CIRCLE_FILLED);
    }
    Points seen;
    for (const Point& p : all)
        if (on_clip(clip, p.first, p.second)) seen.insert(p);
    return seen;
}

template <typename Pixel>
void draw(Shape shape, const Case& c, std::int32_t color, Pixel* buffer, std::int32_t pitch) {
    if constexpr (sizeof(Pixel) == 1) {
        if (shape == RECT_OUTLINE) draw_rect8(c.a, c.b, c.c, c.d, color, buffer, pitch);
        if (shape == RECT_FILLED) fill_rect8(c.a, c.b, c.c, c.d, color, buffer, pitch);
        if (shape == CIRCLE_OUTLINE) draw_circle8(c.a, c.b, c.c, color, buffer, pitch);
        if (shape == CIRCLE_FILLED) fill_circle8(c.a, c.b, c.c, color, buffer, pitch);
    } else {
        if (shape == RECT_OUTLINE) draw_rect16(c.a, c.b, c.c, c.d, color, buffer, pitch);
        if (shape == RECT_FILLED) fill_rect16(c.a, c.b, c.c, c.d, color, buffer, pitch);
        if (shape == CIRCLE_OUTLINE) draw_circle16(c.a, c.b, c.c, color, buffer, pitch);
        if (shape == CIRCLE_FILLED) fill_circle16(c.a, c.b, c.c, color, buffer, pitch);
    }
}

template <typename Pixel> void check_shape(Shape shape) {
    const auto& cases = shape <= RECT_FILLED ? RECTS : CIRCLES;
    const std::size_t count = shape <= RECT_FILLED ? std::size(RECTS) : std::size(CIRCLES);
    GuardedBuffer<Pixel> buffer(WIDTH, HEIGHT);
    const std::int32_t color = 0x5A3C71; // stored as its low 8 or 16 bits
    const auto stored = static_cast<Pixel>(color);
    for (const ClipRect& clip : CLIPS) {
        for (std::size_t i = 0; i < count; ++i) {
            const Case& c = cases[i];
            SCOPED_TRACE(testing::Message()
                         << "shape " << shape << " case " << i << " clip (" << clip.min_x << ", "
                         << clip.min_y << ")-(" << clip.max_x << ", " << clip.max_y << ")");
            buffer.clear();
            set_clip(clip);
            draw(shape, c, color, buffer.origin(), buffer.pitch());
            EXPECT_TRUE(buffer.untouched_outside(clip.min_x, clip.min_y, clip.max_x, clip.max_y));
            Points drawn;
            for (const auto& [x, y] : buffer.changed_pixels()) {
                drawn.insert({x, y});
                EXPECT_EQ(buffer.at(x, y), stored);
            }
            EXPECT_EQ(drawn, expected(shape, c, clip));
        }
    }
    set_clip({0, 0, 639, 479});
}

} // namespace

TEST(Shapes, EachShapeMatchesTheModelInsideEveryClipAtBothDepths) {
    for (auto shape : {RECT_OUTLINE, RECT_FILLED, CIRCLE_OUTLINE, CIRCLE_FILLED}) {
        SCOPED_TRACE(shape);
        check_shape<std::uint8_t>(shape);
        check_shape<std::uint16_t>(shape);
    }
}

// Every radius from 0 to 40, drawn whole: the pixels are the same under each of the eight
// reflections through the centre, outline and disc alike.
TEST(Shapes, CirclesAreSymmetricInAllEightOctants) {
    GuardedBuffer8 buffer(100, 100);
    set_clip({0, 0, 99, 99});
    for (std::int32_t radius = 0; radius <= 40; ++radius) {
        for (bool filled : {false, true}) {
            buffer.clear();
            if (filled)
                fill_circle8(50, 50, radius, 1, buffer.origin(), buffer.pitch());
            else
                draw_circle8(50, 50, radius, 1, buffer.origin(), buffer.pitch());
            for (const auto& [x, y] : buffer.changed_pixels()) {
                const int dx = x - 50, dy = y - 50;
                const int reflected[7][2] = {{-dx, dy}, {dx, -dy}, {-dx, -dy}, {dy, dx},
                                             {-dy, dx}, {dy, -dx}, {-dy, -dx}};
                for (const auto& r : reflected)
                    ASSERT_TRUE(buffer.changed(50 + r[0], 50 + r[1]))
                        << "radius " << radius << (filled ? " disc" : " outline") << " at " << dx
                        << ", " << dy;
            }
        }
    }
    set_clip({0, 0, 639, 479});
}
