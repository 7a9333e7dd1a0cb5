// Filled polygons on screen: exact rows and columns of known shapes, the top vertex, winding,
// degenerate lists, and random convex shapes against their exact outline.
#include "engine/engine.h"
#include "support/guarded_buffer.h"
#include "support/reference_polygon_fill.h"
#include "tests/polygons/polygon_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
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
    // A chevron with two vertices on its top row: the first of them starts the walk. Past
    // the inner vertex the right walker takes the far top vertex's column at once rather than
    // walk down towards a vertex above it, and heads for the bottom.
    const std::vector<Span> chevron = {
        {100, 101, 102}, {101, 102, 104}, {102, 103, 106}, {103, 104, 108}, {104, 105, 110},
        {105, 106, 119}, {106, 107, 117}, {107, 108, 115}, {108, 109, 113}, {109, 110, 111}};
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
          {105, 101, 114},
          {106, 103, 113},
          {107, 105, 112},
          {108, 107, 111},
          {109, 109, 110}}},
        // Runs of vertices along the top and the bottom fill what the four corners fill.
        {"rectangle_with_six_vertices_a_side",
         {{0, 0},
          {10, 0},
          {20, 0},
          {30, 0},
          {40, 0},
          {50, 0},
          {50, 2},
          {40, 2},
          {30, 2},
          {20, 2},
          {10, 2},
          {0, 2}},
         100,
         100,
         widening(100, 100, 150, 2, 0, 0)},
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

struct Shape {
    std::vector<Point2D> vertices;
    int x0;
    int y0;
};

// A trapezoid with level top and bottom on a grid of 1 to 8 pixels, each side cut into up to
// six collinear pieces, listed from any corner either way round: runs of vertices along one
// row at the top and the bottom.
Shape grid_trapezoid(std::mt19937& rng) {
    const int step = std::array{1, 2, 4, 8}[uniform_int(rng, 0, 3)];
    const int cells = 24 / step;
    const int top = uniform_int(rng, -cells, cells - 1), bottom = uniform_int(rng, top + 1, cells);
    const int a = uniform_int(rng, -cells, cells), b = uniform_int(rng, a, cells);
    const int c = uniform_int(rng, -cells, cells), d = uniform_int(rng, c, cells);
    const Point2D corners[] = {{float(a * step), float(top * step)},
                               {float(b * step), float(top * step)},
                               {float(d * step), float(bottom * step)},
                               {float(c * step), float(bottom * step)}};
    Shape shape{{}, 32, 32};
    for (int side = 0; side < 4; ++side) {
        const Point2D from = corners[side], to = corners[(side + 1) % 4];
        const int pieces = uniform_int(rng, 1, 6);
        for (int i = 0; i < pieces; ++i)
            shape.vertices.push_back(
                {from.x + (to.x - from.x) * i / pieces, from.y + (to.y - from.y) * i / pieces});
    }
    std::rotate(shape.vertices.begin(),
                shape.vertices.begin() + uniform_int(rng, 0, int(shape.vertices.size()) - 1),
                shape.vertices.end());
    if (uniform_int(rng, 0, 1)) std::reverse(shape.vertices.begin(), shape.vertices.end());
    return shape;
}

// Regular polygons of 3 to 16 corners and radius 1.5 to 12 turned in steps of 7 degrees,
// centred a quarter pixel further on each time; grid-made trapezoids; small random convex
// shapes: all with many vertices sharing a row. Larger random convex shapes besides.
std::vector<Shape> shapes_with_shared_rows(std::mt19937& rng) {
    std::vector<Shape> shapes;
    const float radii[] = {1.5f, 2, 3, 5, 8, 12};
    for (int corners = 3; corners <= 16; ++corners)
        for (float radius : radii)
            for (int turn = 0; turn < 360; turn += 7) {
                const float centre = 0.25f * (turn % 4);
                Shape shape{{}, 32, 32};
                for (int k = 0; k < corners; ++k) {
                    const double angle = 6.283185307 * k / corners + turn * 0.017453293;
                    shape.vertices.push_back({centre + radius * float(std::cos(angle)),
                                              centre + radius * float(std::sin(angle))});
                }
                shapes.push_back(shape);
            }
    for (int n = 0; n < 1000; ++n)
        shapes.push_back(grid_trapezoid(rng));
    for (int n = 0; n < 1000; ++n) {
        Shape shape{random_convex(rng, uniform_int(rng, 3, 12), uniform(rng, 0.5f, 8),
                                  uniform(rng, 0.5f, 8)),
                    32, 32};
        const float dx = uniform(rng, 0, 1), dy = uniform(rng, 0, 1);
        for (Point2D& v : shape.vertices)
            v = {v.x + dx, v.y + dy};
        shapes.push_back(shape);
    }
    for (int n = 0; n < 300; ++n)
        shapes.push_back(
            {random_convex(rng, uniform_int(rng, 3, 8), uniform(rng, 1, 120), uniform(rng, 1, 120)),
             128, 128});
    return shapes;
}

// The literal walk's pixels, dropping those that stray off the buffer.
struct LiteralSink {
    GuardedBuffer8& buffer;
    void plot(int x, int y) { span(y, x, x); }
    void span(int y, int first, int last) {
        const int g = GuardedBuffer8::GUARD;
        if (y < -g || y >= buffer.height + g) return;
        for (int x = std::max(first, -g); x <= std::min(last, buffer.width + g - 1); ++x)
            buffer.memory[std::size_t(y + g) * buffer.stride + x + g] = 1;
    }
};

template <typename A, typename B> bool same_pixels_changed(const A& a, const B& b) {
    for (std::size_t i = 0; i < a.memory.size(); ++i)
        if ((a.memory[i] != A::BACKGROUND) != (b.memory[i] != B::BACKGROUND)) return false;
    return true;
}

// The walk traces vertices truncated rather than rounded, lets a walker crossing many columns
// in a row reach the next row's crossing, and starts a walker's error term afresh whenever the
// other walker turns a corner, so it can stray a few pixels from the exact outline: up to
// about 3.6 pixels out and 2.8 in for up to eight corners. Four pixels still tells a filled
// shape from one missing rows, spans or a side. Where vertices share a row, nothing lands
// outside the vertices' rows, and a shape whose walkers never head for a vertex above their
// row is filled exactly as the literal walk fills it; so it is at 16 bits, and inside a clip
// rectangle across the shape.
// The buffers one shape is drawn into, the same size for every shape of a family.
struct FillBuffers {
    GuardedBuffer8 drawn, literal, clipped, expected;
    GuardedBuffer16 drawn16;
    explicit FillBuffers(int size)
        : drawn(size, size), literal(size, size), clipped(size, size), expected(size, size),
          drawn16(size, size) {}
    void clear() {
        for (GuardedBuffer8* b : {&drawn, &literal, &clipped, &expected})
            b->clear();
        drawn16.clear();
    }
};

TEST(FilledPolygon, ConvexShapesFollowTheirExactOutline) {
    display_context_reset();
    std::mt19937 rng(5);
    constexpr double TOLERANCE = 4.0;
    FillBuffers small(64), large(256);
    int touched = 0;
    std::vector<Shape> shapes = shapes_with_shared_rows(rng);
    for (std::size_t n = 0; n < shapes.size(); ++n) {
        Shape& shape = shapes[n];
        FillBuffers& b = shape.x0 == 32 ? small : large;
        b.clear();
        const Polygon polygon = polygon_over(shape.vertices, shape.x0, shape.y0, 0x1234);
        draw_filled_polygon8(&polygon, b.drawn.origin(), b.drawn.pitch());
        draw_filled_polygon16(&polygon, b.drawn16.origin(), b.drawn16.pitch());
        LiteralSink sink{b.literal};
        const bool heads_up = reference_polygon_walk(polygon, sink);
        touched += heads_up;

        std::vector<Point2D> corners;
        int left = INT_MAX, right = INT_MIN, top = INT_MAX, bottom = INT_MIN;
        for (Point2D v : shape.vertices) {
            corners.push_back({shape.x0 + v.x, shape.y0 + v.y});
            left = std::min(left, int(corners.back().x));
            right = std::max(right, int(corners.back().x));
            top = std::min(top, int(corners.back().y));
            bottom = std::max(bottom, int(corners.back().y));
        }
        ASSERT_TRUE(b.drawn.untouched_outside(left - 5, top, right + 5, bottom)) << "shape " << n;
        int wrong = 0;
        for (int y = top; y <= bottom; ++y)
            for (int x = left - 5; x <= right + 5; ++x) {
                const double d = signed_distance(corners, x + 0.5, y + 0.5);
                wrong += b.drawn.changed(x, y) ? d > TOLERANCE : d < -TOLERANCE;
            }
        ASSERT_EQ(0, wrong) << "shape " << n;
        if (!heads_up) {
            ASSERT_TRUE(same_pixels_changed(b.literal, b.drawn)) << "shape " << n;
        }
        ASSERT_TRUE(same_pixels_changed(b.drawn, b.drawn16)) << "shape " << n;

        // The middle third each way: the walk starts above the clip rectangle and stops below.
        clip_min_x = (2 * left + right) / 3, clip_max_x = (left + 2 * right) / 3;
        clip_min_y = (2 * top + bottom) / 3, clip_max_y = (top + 2 * bottom) / 3;
        draw_filled_polygon8(&polygon, b.clipped.origin(), b.clipped.pitch());
        for (int y = clip_min_y; y <= clip_max_y; ++y)
            for (int x = clip_min_x; x <= clip_max_x; ++x)
                b.expected
                    .memory[std::size_t(y + b.drawn.GUARD) * b.drawn.stride + x + b.drawn.GUARD] =
                    b.drawn.at(x, y);
        ASSERT_TRUE(b.expected.memory == b.clipped.memory) << "shape " << n;
        display_context_reset();
    }
    // Both kinds are there in numbers.
    EXPECT_GT(touched, 1000);
    EXPECT_GT(int(shapes.size()) - touched, 1000);
}

} // namespace
