// The fill's guard against drawing outside the clip rectangle: inside it every pixel is what
// the plain walk sets, outside it nothing changes, however far off the vertices lie.
#include "engine/engine.h"
#include "support/guarded_buffer.h"
#include "support/reference_polygon_fill.h"
#include "tests/polygons/polygon_helpers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Takes the plain walk's pixels and keeps those inside the clip rectangle.
template <typename Pixel> struct ClippedSink {
    GuardedBuffer<Pixel>& buffer;
    Pixel color;
    void plot(int x, int y) { span(y, x, x); }
    void span(int y, int first, int last) {
        if (y < clip_min_y || y > clip_max_y) return;
        first = std::max(first, clip_min_x);
        last = std::min(last, clip_max_x);
        for (int x = first; x <= last; ++x)
            buffer.memory[static_cast<std::size_t>(y + buffer.GUARD) * buffer.stride + x +
                          buffer.GUARD] = color;
    }
};

struct ClipCase {
    const char* name;
    int width, height;              // the buffer
    int min_x, min_y, max_x, max_y; // the clip rectangle
    float spread;                   // how far round the buffer vertices may lie
    bool convex;
};

template <typename Pixel, typename Fill>
void compare_with_plain_walk(const ClipCase& c, Fill fill) {
    SCOPED_TRACE(c.name);
    std::mt19937 rng(static_cast<unsigned>(c.width * 31 + c.min_x));
    GuardedBuffer<Pixel> expected(c.width, c.height), actual(c.width, c.height);
    for (int n = 0; n < 400; ++n) {
        const int count = uniform_int(rng, 1, 9);
        const float size = uniform(rng, 1.0f, c.spread);
        std::vector<Point2D> vertices =
            c.convex ? random_convex(rng, count, size, uniform(rng, 1.0f, c.spread))
                     : random_scatter(rng, count, size, size);
        const int x0 =
            uniform_int(rng, -static_cast<int>(c.spread), c.width + static_cast<int>(c.spread));
        const int y0 =
            uniform_int(rng, -static_cast<int>(c.spread), c.height + static_cast<int>(c.spread));
        const Polygon polygon = polygon_over(vertices, x0, y0, uniform_int(rng, 1, 0xFFFF));
        expected.clear();
        actual.clear();
        ClippedSink<Pixel> sink{expected, static_cast<Pixel>(polygon.color)};
        reference_polygon_walk(polygon, sink, true);
        fill(&polygon, actual.origin(), actual.pitch());
        ASSERT_TRUE(expected.memory == actual.memory) << "polygon " << n;
    }
}

const ClipCase clip_cases[] = {
    {"screen, convex, near", 640, 480, 0, 0, 639, 479, 300, true},
    {"screen, scattered, near", 640, 480, 0, 0, 639, 479, 300, false},
    {"off-centre, convex", 160, 120, 37, 21, 101, 90, 150, true},
    {"off-centre, scattered", 160, 120, 37, 21, 101, 90, 150, false},
    {"off-centre, long edges", 160, 120, 37, 21, 101, 90, 60000, true},
    {"single pixel", 16, 16, 5, 7, 5, 7, 20, false},
};

TEST(FilledPolygonClip, InsideTheClipRectangleThePixelsAreThePlainWalks8) {
    for (const ClipCase& c : clip_cases) {
        clip_min_x = c.min_x, clip_min_y = c.min_y, clip_max_x = c.max_x, clip_max_y = c.max_y;
        compare_with_plain_walk<std::uint8_t>(c, draw_filled_polygon8);
    }
    display_context_reset();
}

TEST(FilledPolygonClip, InsideTheClipRectangleThePixelsAreThePlainWalks16) {
    for (const ClipCase& c : clip_cases) {
        clip_min_x = c.min_x, clip_min_y = c.min_y, clip_max_x = c.max_x, clip_max_y = c.max_y;
        compare_with_plain_walk<std::uint16_t>(c, draw_filled_polygon16);
    }
    display_context_reset();
}

} // namespace
