// Polygons anywhere, with vertices at any float: outlines and fills write inside the clip
// rectangle only, never run for long, and never convert a float that does not fit.
#include "engine/engine.h"
#include "support/guarded_buffer.h"
#include "tests/polygons/polygon_helpers.h"

#include <gtest/gtest.h>

#include <limits>
#include <vector>

namespace {

struct Shape {
    std::vector<Point2D> vertices;
    int x0;
    int y0;
};

// Mostly shapes across the clip rectangle's edges and corners, the rest far away, vast, or
// with vertices beyond any integer or not numbers at all.
Shape random_shape(std::mt19937& rng) {
    const int count = uniform_int(rng, 1, 10);
    const float radius = uniform(rng, 1.0f, 400.0f);
    Shape shape;
    switch (uniform_int(rng, 0, 9)) {
    case 0: // far off, small
        shape = {random_convex(rng, count, radius, radius), uniform_int(rng, INT32_MIN, INT32_MAX),
                 uniform_int(rng, INT32_MIN, INT32_MAX)};
        break;
    case 1: // vast, crossing the screen
        shape = {random_scatter(rng, count, 2e9f, 2e9f), uniform_int(rng, 0, 639),
                 uniform_int(rng, 0, 479)};
        break;
    case 2: // beyond the 32-bit range, and not finite
        shape = {random_scatter(rng, count, 1e12f, 1e12f), uniform_int(rng, -2000, 2000),
                 uniform_int(rng, -2000, 2000)};
        for (Point2D& v : shape.vertices)
            if (uniform_int(rng, 0, 3) == 0)
                (uniform_int(rng, 0, 1) ? v.x : v.y) =
                    uniform_int(rng, 0, 2) == 0 ? std::numeric_limits<float>::quiet_NaN()
                    : uniform_int(rng, 0, 1)    ? std::numeric_limits<float>::infinity()
                                                : -std::numeric_limits<float>::infinity();
        break;
    case 3:
    case 4: // not convex, round the screen
        shape = {random_scatter(rng, count, radius, radius), uniform_int(rng, -400, 1040),
                 uniform_int(rng, -400, 880)};
        break;
    default: // convex, centred near an edge or corner of the clip rectangle
        const int x_choices[] = {clip_min_x, clip_max_x, (clip_min_x + clip_max_x) / 2};
        const int y_choices[] = {clip_min_y, clip_max_y, (clip_min_y + clip_max_y) / 2};
        shape = {random_convex(rng, count, radius, uniform(rng, 1.0f, 400.0f)),
                 x_choices[uniform_int(rng, 0, 2)] + uniform_int(rng, -50, 50),
                 y_choices[uniform_int(rng, 0, 2)] + uniform_int(rng, -50, 50)};
        break;
    }
    return shape;
}

struct Clip {
    int min_x, min_y, max_x, max_y;
};

TEST(PolygonsOffScreen, NothingOutsideTheClipRectangleChanges) {
    const Clip clips[] = {{0, 0, 639, 479}, {500, 17, 561, 70}};
    for (const Clip& clip : clips) {
        SCOPED_TRACE(clip.min_x);
        display_context_reset();
        clip_min_x = clip.min_x, clip_min_y = clip.min_y;
        clip_max_x = clip.max_x, clip_max_y = clip.max_y;
        std::mt19937 rng(2024);
        GuardedBuffer8 buffer8(640, 480);
        GuardedBuffer16 buffer16(640, 480);
        for (int batch = 0; batch < 20; ++batch) {
            for (int n = 0; n < 500; ++n) {
                Shape shape = random_shape(rng);
                Polygon polygon =
                    polygon_over(shape.vertices, shape.x0, shape.y0, uniform_int(rng, 1, 0xFFFF));
                draw_filled_polygon8(&polygon, buffer8.origin(), buffer8.pitch());
                draw_filled_polygon16(&polygon, buffer16.origin(), buffer16.pitch());
                draw_polygon8(&polygon, buffer8.origin(), buffer8.pitch());
                draw_polygon16(&polygon, buffer16.origin(), buffer16.pitch());
            }
            ASSERT_TRUE(buffer8.untouched_outside(clip.min_x, clip.min_y, clip.max_x, clip.max_y))
                << "batch " << batch;
            ASSERT_TRUE(buffer16.untouched_outside(clip.min_x, clip.min_y, clip.max_x, clip.max_y))
                << "batch " << batch;
            // The shapes do reach the rectangle: each batch draws something in it.
            EXPECT_FALSE(buffer8.untouched_outside(0, 0, -1, -1)) << "batch " << batch;
            EXPECT_FALSE(buffer16.untouched_outside(0, 0, -1, -1)) << "batch " << batch;
            buffer8.clear();
            buffer16.clear();
        }
    }
    display_context_reset();
}

} // namespace
