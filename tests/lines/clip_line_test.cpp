// Cutting lines to the clip rectangle: the rounding rules near the screen, and exact
// results for end points anywhere in the 32-bit range.
#include "engine/display/display_context.h"
#include "engine/util/lines.h"
#include "lines/clip_rect.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <vector>

namespace {

using Rect = ClipRect;

constexpr Rect SCREEN = {0, 0, 639, 479};

struct ClipCase {
    Rect rect;
    int x0, y0, x1, y1;
    int result;
    int cx0, cy0, cx1, cy1; // the values afterwards
};

void expect_cuts(const std::vector<ClipCase>& cases) {
    for (const ClipCase& c : cases) {
        set_clip(c.rect);
        int x0 = c.x0, y0 = c.y0, x1 = c.x1, y1 = c.y1;
        EXPECT_EQ(c.result, clip_line(x0, y0, x1, y1)) << c.x0 << "," << c.y0;
        EXPECT_EQ((std::vector{c.cx0, c.cy0, c.cx1, c.cy1}), (std::vector{x0, y0, x1, y1}))
            << c.x0 << "," << c.y0 << " " << c.x1 << "," << c.y1;
    }
    display_context_reset();
}

} // namespace

// Worked out by hand from the rules: end point 0 and corners round a negative sum up by
// one, end point 1's single edges keep the plain sum, each from the values as passed in.
TEST(ClipLine, RoundingRulesForEachRegion) {
    constexpr Rect CENTRED = {-50, -50, 50, 50};
    const std::vector<ClipCase> cases = {
        {SCREEN, 10, 10, 600, 400, 1, 10, 10, 600, 400},    // inside: untouched
        {SCREEN, -5, -1, 700, -9, 0, -5, -1, 700, -9},      // both above
        {SCREEN, -100, -10, 5, 600, 0, -100, -10, 5, 600},  // candidates miss the corner
        {SCREEN, -10, 100, 100, 100, 1, 0, 100, 100, 100},  // left
        {SCREEN, 0, -2, -3, 4, 0, 0, -2, -3, 4},            // touches only outside
        {CENTRED, -10, -70, -40, 30, 1, -15, -50, -40, 30}, // top, -16 rounds to -15
        {CENTRED, -40, 30, -10, -70, 1, -40, 30, -16, -50}, // the same edge as end 1
        {CENTRED, 20, 20, -80, -80, 1, 20, 20, -49, -50},   // end 1 corner, rounded
        {CENTRED, -100, -60, 40, 10, 1, -50, -34, 40, 10},  // corner falls to the column
        {CENTRED, 80, 0, 0, 10, 1, 50, 3, 0, 10},           // right
        {CENTRED, 0, 0, 10, 90, 1, 0, 0, 6, 50},            // end 1 bottom, plain
        {CENTRED, 90, 60, -90, -60, 1, 50, 34, -50, -33},   // opposite corners
    };
    expect_cuts(cases);
}

// Products of differences this large overflow 32 bits; the cut must still be the true one.
TEST(ClipLine, EndPointsAnywhereInTheIntRange) {
    const std::vector<ClipCase> cases = {
        {SCREEN, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1, 0, 0, 479, 479},
        {SCREEN, INT_MIN, 100, INT_MAX, 100, 1, 0, 100, 639, 100},
        {SCREEN, 320, INT_MIN, 321, INT_MAX, 1, 320, 0, 321, 479},
        {SCREEN, INT_MAX, INT_MAX, 320, 240, 1, 559, 479, 320, 240},
        // Passes through (0, -1): both ends round up onto the corner pixel.
        {SCREEN, INT_MIN, INT_MAX, INT_MAX, INT_MIN, 1, 0, 0, 0, 0},
        {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, INT_MIN, 0, INT_MAX, 5, 1, INT_MIN, 0, INT_MAX, 5},
        {{10, 10, 5, 20}, 0, 15, 30, 15, 0, 0, 15, 30, 15}, // an empty rectangle shows nothing
    };
    expect_cuts(cases);
}

namespace {

// Where the exact line through the two points crosses a row (or, swapped, a column).
long double crossing(long double row, long double x0, long double y0, long double x1,
                     long double y1) {
    return x0 + (row - y0) * (x1 - x0) / (y1 - y0);
}

// Whether a replaced end point lies on an edge of the rectangle within 2 pixels of where
// the exact line crosses that edge.
bool on_edge_near_line(int x, int y, long double x0, long double y0, long double x1, long double y1,
                       Rect r) {
    for (int row : {r.min_y, r.max_y})
        if (y == row && y0 != y1 && std::fabs(x - crossing(row, x0, y0, x1, y1)) < 2) return true;
    for (int column : {r.min_x, r.max_x})
        if (x == column && x0 != x1 && std::fabs(y - crossing(column, y0, x0, y1, x1)) < 2)
            return true;
    return false;
}

// Whether the exact segment passes through the rectangle shrunk by one pixel all round.
bool crosses_interior(long double x0, long double y0, long double x1, long double y1, Rect r) {
    long double t0 = 0, t1 = 1;
    const long double d[2] = {x1 - x0, y1 - y0};
    const long double p[2] = {x0, y0};
    const long double low[2] = {r.min_x + 1.0L, r.min_y + 1.0L};
    const long double high[2] = {r.max_x - 1.0L, r.max_y - 1.0L};
    for (int axis = 0; axis < 2; ++axis) {
        if (d[axis] == 0) {
            if (p[axis] < low[axis] || p[axis] > high[axis]) return false;
            continue;
        }
        long double a = (low[axis] - p[axis]) / d[axis], b = (high[axis] - p[axis]) / d[axis];
        if (a > b) std::swap(a, b);
        t0 = std::max(t0, a);
        t1 = std::min(t1, b);
    }
    return t0 < t1;
}

} // namespace

// Random lines from the whole range against the exact line in long double: a visible line
// is kept, replaced end points sit on the rectangle's edge beside the true crossing, kept
// ones are untouched, and a rejected line is left as it was.
TEST(ClipLine, FarLinesMatchTheExactCrossings) {
    std::mt19937 random(2005);
    std::uniform_int_distribution<int> anywhere(INT_MIN, INT_MAX);
    std::uniform_int_distribution<int> near(-2000, 2000);
    for (Rect r : {SCREEN, Rect{100, 50, 300, 200}}) {
        set_clip(r);
        int kept = 0;
        for (int i = 0; i < 100000; ++i) {
            const bool far = i % 4 != 0;
            const int s[4] = {far ? anywhere(random) : near(random), near(random),
                              far ? anywhere(random) : near(random), near(random)};
            // Half the lines run mostly up and down instead.
            const int x0 = i & 1 ? s[0] : s[1], y0 = i & 1 ? s[1] : s[0];
            const int x1 = i & 1 ? s[2] : s[3], y1 = i & 1 ? s[3] : s[2];
            int cx0 = x0, cy0 = y0, cx1 = x1, cy1 = y1;
            const int result = clip_line(cx0, cy0, cx1, cy1);
            const bool visible = crosses_interior(x0, y0, x1, y1, r);
            if (visible) {
                ASSERT_EQ(1, result) << x0 << "," << y0 << " " << x1 << "," << y1;
            }
            if (result == 0) {
                ASSERT_TRUE(cx0 == x0 && cy0 == y0 && cx1 == x1 && cy1 == y1);
                continue;
            }
            ++kept;
            const bool start_inside =
                x0 >= r.min_x && x0 <= r.max_x && y0 >= r.min_y && y0 <= r.max_y;
            const bool end_inside =
                x1 >= r.min_x && x1 <= r.max_x && y1 >= r.min_y && y1 <= r.max_y;
            if (start_inside)
                ASSERT_TRUE(cx0 == x0 && cy0 == y0);
            else
                ASSERT_TRUE(on_edge_near_line(cx0, cy0, x0, y0, x1, y1, r))
                    << x0 << "," << y0 << " " << x1 << "," << y1 << " -> " << cx0 << "," << cy0;
            if (end_inside)
                ASSERT_TRUE(cx1 == x1 && cy1 == y1);
            else
                ASSERT_TRUE(on_edge_near_line(cx1, cy1, x0, y0, x1, y1, r))
                    << x0 << "," << y0 << " " << x1 << "," << y1 << " -> " << cx1 << "," << cy1;
        }
        EXPECT_GT(kept, 1000); // the workload does reach the rectangle
    }
    display_context_reset();
}
