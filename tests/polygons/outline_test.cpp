// Polygon outlines: the closing edge's direction, short lists, inactive and empty polygons.
#include "engine/engine.h"
#include "support/guarded_buffer.h"
#include "tests/polygons/polygon_helpers.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

namespace {

using Pixels = std::set<std::pair<int, int>>;

template <typename Buffer> Pixels changed_pixels(const Buffer& buffer) {
    const auto found = buffer.changed_pixels();
    return Pixels(found.begin(), found.end());
}

struct OutlineCase {
    const char* name;
    std::vector<Point2D> vertices;
    int active;
    int result;
    Pixels pixels; // relative to the position (10, 10)
};

std::vector<OutlineCase> outline_cases() {
    return {
        // Closing edge from (0, 0) to (4, 1): the walk from (4, 1) back would take (2, 0).
        {"closing_edge_runs_from_the_first_vertex",
         {{0, 0}, {0, 5}, {4, 1}},
         1,
         1,
         {{0, 0},
          {0, 1},
          {0, 2},
          {0, 3},
          {0, 4},
          {0, 5},
          {1, 4},
          {2, 3},
          {3, 2},
          {4, 1},
          {1, 0},
          {2, 1},
          {3, 1}}},
        // Two vertices: the edge and the closing edge are the same segment drawn twice from
        // the first vertex, so the walk back, which would take (2, 0), never happens.
        {"two_vertices", {{0, 0}, {4, 1}}, 1, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}},
        {"one_vertex", {{3, 2}}, 1, 1, {{3, 2}}},
        {"one_vertex_off_screen", {{-30, 2}}, 1, 1, {}},
        {"inactive", {{0, 0}, {4, 1}}, 0, 0, {}},
        {"no_vertices", {}, 1, 0, {}},
    };
}

template <typename Buffer, typename Draw> void check_outline_cases(Draw draw) {
    display_context_reset();
    for (OutlineCase c : outline_cases()) {
        SCOPED_TRACE(c.name);
        Buffer buffer(64, 64);
        Polygon polygon = polygon_over(c.vertices, 10, 10, 0x1234);
        polygon.active = c.active;
        EXPECT_EQ(c.result, draw(&polygon, buffer.origin(), buffer.pitch()));
        Pixels expected;
        for (auto [x, y] : c.pixels)
            expected.insert({x + 10, y + 10});
        EXPECT_EQ(expected, changed_pixels(buffer));
        EXPECT_TRUE(buffer.untouched_outside(0, 0, 639, 479));
    }
}

TEST(PolygonOutline, DrawsEachEdgeFromItsFirstVertex8) {
    check_outline_cases<GuardedBuffer8>(draw_polygon8);
}

TEST(PolygonOutline, DrawsEachEdgeFromItsFirstVertex16) {
    check_outline_cases<GuardedBuffer16>(draw_polygon16);
}

TEST(PolygonOutline, MissingPolygonListOrBufferDrawsNothing) {
    display_context_reset();
    GuardedBuffer8 buffer(64, 64);
    std::vector<Point2D> vertices = {{0, 0}, {4, 1}};
    Polygon listless = polygon_over(vertices, 10, 10);
    listless.vlist = nullptr;
    EXPECT_EQ(0, draw_polygon8(nullptr, buffer.origin(), buffer.pitch()));
    EXPECT_EQ(0, draw_polygon16(nullptr, nullptr, 128));
    EXPECT_EQ(0, draw_polygon8(&listless, buffer.origin(), buffer.pitch()));
    Polygon polygon = polygon_over(vertices, 10, 10);
    EXPECT_EQ(0, draw_polygon8(&polygon, nullptr, buffer.pitch()));
    EXPECT_TRUE(buffer.untouched_outside(0, 0, -1, -1));
}

} // namespace
