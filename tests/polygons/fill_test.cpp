// Filled polygons on screen: exact rows and columns of known shapes, the top vertex, winding,
// degenerate lists, and random convex shapes against their exact outline.
#include "engine/engine.h"
#include "support/guarded_buffer.h"
#include "tests/polygons/polygon_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

struct FillCase {
    const char* name;
    std::vector<Point2D> vertices;
    int x0;
    int y0;
    std::vector<Span> rows;
};

// `rows` spans that grow by `grow_left` / `grow_right` columns per row from the first.
std::vector<Span> widening(int row, int first, int last, int count, int grow_left, int grow_right) {
    std::vector<Span> spans;
    for (int i = 0; i < count; ++i)
        spans.push_back({row + i, first - grow_left * i, last + grow_right * i});
    return spans;
}

std::vector<FillCase> fill_cases() {
    // A chevron with two vertices on its top row: the first of them starts the walk.
    const std::vector<Span> chevron = {
        {100, 101, 102}, {101, 102, 104}, {102, 103, 106}, {103, 104, 108}, {104, 105, 110},
        {105, 106, 112}, {106, 107, 114}, {107, 108, 116}, {108, 109, 118}, {109, 110, 120}};
    return {
        {"triangle", {{0, 0}, {10, 10}, {-10, 10}}, 100, 100, widening(100, 99, 101, 10, 1, 1)},
        {"triangle_reversed",
         {{0, 0}, {-10, 10}, {10, 10}},
         100,
         100,
         widening(100, 99, 101, 10, 1, 1)},
        {"wide_triangle", {{0, 0}, {20, 4}, {-20, 4}}, 100, 100, widening(100, 95, 105, 4, 5, 5)},
        {"square", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, 0, 0, widening(0, 0, 10, 10, 0, 0)},
        {"tie_keeps_the_first", {{0, 0}, {10, 5}, {20, 0}, {10, 10}}, 100, 100, chevron},
        // The running minimum is the truncated 0 from 0.7, and 0.2 is not below it.
        {"tie_within_a_pixel_row", {{0, 0.7f}, {10, 5}, {20, 0.2f}, {10, 10}}, 100, 100, chevron},
        // -0.2 is below 0, so the walk starts at the third vertex, one row higher, and one
        // edge of each chain is x-major.
        {"higher_later_vertex",
         {{0, 0.7f}, {10, 5}, {20, -0.2f}, {10, 10}},
         100,
         100,
         {{99, 118, 120},
          {100, 116, 119},
          {101, 115, 118},
          {102, 113, 117},
          {103, 111, 116},
          {104, 110, 115},
          {105, 108, 114},
          {106, 106, 113},
          {107, 104, 112},
          {108, 102, 111},
          {109, 100, 110}}},
        {"one_vertex", {{5, 5}}, 100, 100, {}},
        {"one_point_repeated", {{5, 5}, {5, 5}, {5, 5}}, 100, 100, {}},
    };
}

template <typename Buffer, typename Fill> void check_fill_cases(Fill fill) {
    display_context_reset();
    for (FillCase c : fill_cases()) {
        SCOPED_TRACE(c.name);
        Buffer buffer(640, 480);
        const Polygon polygon = polygon_over(c.vertices, c.x0, c.y0, 0x1234);
        fill(&polygon, buffer.origin(), buffer.pitch());
        EXPECT_EQ(c.rows, changed_spans(buffer));
        EXPECT_TRUE(buffer.untouched_outside(0, 0, 639, 479));
        // The colour's low bits are what is stored.
        if (!c.rows.empty()) {
            EXPECT_EQ(static_cast<decltype(buffer.at(0, 0))>(0x1234),
                      buffer.at(c.rows[0].first, c.rows[0].row));
        }
    }
}

TEST(FilledPolygon, KnownShapesFillExactlyTheirRows8) {
    check_fill_cases<GuardedBuffer8>(draw_filled_polygon8);
}

TEST(FilledPolygon, KnownShapesFillExactlyTheirRows16) {
    check_fill_cases<GuardedBuffer16>(draw_filled_polygon16);
}

TEST(FilledPolygon, MissingOrEmptyVertexListsDrawNothing) {
    display_context_reset();
    GuardedBuffer8 buffer8(64, 64);
    GuardedBuffer16 buffer16(64, 64);
    std::vector<Point2D> vertices = {{0, 0}, {10, 10}, {-10, 10}};
    Polygon empty = polygon_over(vertices, 20, 20);
    empty.num_verts = 0;
    Polygon negative = polygon_over(vertices, 20, 20);
    negative.num_verts = -3;
    Polygon missing = polygon_over(vertices, 20, 20);
    missing.vlist = nullptr;
    for (const Polygon* polygon : {&empty, &negative, &missing, static_cast<Polygon*>(nullptr)}) {
        draw_filled_polygon8(polygon, buffer8.origin(), buffer8.pitch());
        draw_filled_polygon16(polygon, buffer16.origin(), buffer16.pitch());
    }
    EXPECT_TRUE(buffer8.untouched_outside(0, 0, -1, -1));
    EXPECT_TRUE(buffer16.untouched_outside(0, 0, -1, -1));
}

TEST(FilledPolygon, WindingDoesNotChangeThePixels) {
    display_context_reset();
    std::mt19937 rng(11);
    GuardedBuffer8 forward(640, 480), backward(640, 480);
    for (int n = 0; n < 200; ++n) {
        std::vector<Point2D> vertices =
            random_convex(rng, uniform_int(rng, 3, 10), uniform(rng, 2, 150), uniform(rng, 2, 150));
        // With two vertices on the top row the list order picks which one starts.
        int on_top = 0;
        float top = 1e9f;
        for (Point2D v : vertices)
            top = std::min(top, std::trunc(v.y));
        for (Point2D v : vertices)
            on_top += std::trunc(v.y) == top;
        if (on_top > 1) continue;
        std::vector<Point2D> reversed(vertices.rbegin(), vertices.rend());
        const Polygon a = polygon_over(vertices, 320, 240);
        const Polygon b = polygon_over(reversed, 320, 240);
        forward.clear();
        backward.clear();
        draw_filled_polygon8(&a, forward.origin(), forward.pitch());
        draw_filled_polygon8(&b, backward.origin(), backward.pitch());
        ASSERT_EQ(forward.memory, backward.memory) << "polygon " << n;
    }
}

// Signed distance from p to a convex polygon given in order: negative inside.
double signed_distance(const std::vector<Point2D>& corners, double px, double py) {
    const std::size_t n = corners.size();
    double area = 0;
    for (std::size_t i = 0; i < n; ++i) {
        const Point2D a = corners[i], b = corners[(i + 1) % n];
        area += double(a.x) * b.y - double(b.x) * a.y;
    }
    double deepest = -1e300, nearest = 1e300;
    bool inside = true;
    for (std::size_t i = 0; i < n; ++i) {
        const Point2D a = corners[i], b = corners[(i + 1) % n];
        const double ex = b.x - a.x, ey = b.y - a.y, length = std::hypot(ex, ey);
        const double side = (area > 0 ? 1 : -1) * (ex * (py - a.y) - ey * (px - a.x));
        if (side < 0) inside = false;
        if (length > 0) deepest = std::max(deepest, -side / length);
        const double along =
            length > 0 ? ((px - a.x) * ex + (py - a.y) * ey) / (length * length) : 0;
        const double t = std::clamp(along, 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(px - a.x - t * ex, py - a.y - t * ey));
    }
    return inside ? deepest : nearest;
}

bool rows_distinct(const std::vector<Point2D>& corners) {
    std::vector<int> rows;
    for (Point2D c : corners)
        rows.push_back(static_cast<int>(c.y));
    std::sort(rows.begin(), rows.end());
    return std::adjacent_find(rows.begin(), rows.end()) == rows.end();
}

// The walk traces vertices truncated rather than rounded, lets a walker crossing many columns
// in a row reach the next row's crossing, and starts a walker's error term afresh whenever the
// other walker turns a corner, so it can stray a few pixels from the exact outline: up to
// about 3.6 pixels out and 2.8 in for up to eight corners. Four pixels still tells a filled
// shape from one missing rows, spans or a side. Vertices that share a pixel row are left out:
// each level edge moves its walker down a row, and several in a row drag it far below.
TEST(FilledPolygon, ConvexShapesFollowTheirExactOutline) {
    display_context_reset();
    std::mt19937 rng(5);
    GuardedBuffer8 buffer(640, 480);
    constexpr double TOLERANCE = 4.0;
    for (int n = 0; n < 300; ++n) {
        std::vector<Point2D> vertices =
            random_convex(rng, uniform_int(rng, 3, 8), uniform(rng, 1, 120), uniform(rng, 1, 120));
        const int x0 = uniform_int(rng, 130, 510), y0 = uniform_int(rng, 130, 350);
        std::vector<Point2D> corners;
        for (Point2D v : vertices)
            corners.push_back({x0 + v.x, y0 + v.y});
        if (!rows_distinct(corners)) continue;
        const Polygon polygon = polygon_over(vertices, x0, y0);
        buffer.clear();
        draw_filled_polygon8(&polygon, buffer.origin(), buffer.pitch());
        const auto [left, right] = std::minmax_element(
            corners.begin(), corners.end(), [](Point2D a, Point2D b) { return a.x < b.x; });
        const auto [top, bottom] = std::minmax_element(
            corners.begin(), corners.end(), [](Point2D a, Point2D b) { return a.y < b.y; });
        const int x_from = int(left->x) - 5, x_to = int(right->x) + 5;
        const int y_from = int(top->y) - 5, y_to = int(bottom->y) + 5;
        ASSERT_TRUE(buffer.untouched_outside(x_from, y_from, x_to, y_to)) << "polygon " << n;
        int wrong = 0;
        for (int y = y_from; y <= y_to; ++y)
            for (int x = x_from; x <= x_to; ++x) {
                const double d = signed_distance(corners, x + 0.5, y + 0.5);
                wrong += buffer.changed(x, y) ? d > TOLERANCE : d < -TOLERANCE;
            }
        ASSERT_EQ(0, wrong) << "polygon " << n;
    }
}

} // namespace
