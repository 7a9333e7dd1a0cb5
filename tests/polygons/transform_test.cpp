// Moving, turning and scaling polygons directly and through matrices, and their boxes.
#include "engine/engine.h"
#include "engine/util/polygon_points.h"
#include "tests/polygons/polygon_helpers.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <vector>

namespace {

TEST(PolygonRotation, AnglesReadTheTableEntryTheyName) {
    // Inside -360..360 a negative angle reads 360 entries on; further out angles wrap first.
    const struct {
        int angle;
        int entry;
    } cases[] = {{-90, 270}, {360, 360},  {-360, 0}, {0, 0},         {45, 45},
                 {450, 90},  {-450, 270}, {720, 0},  {INT_MIN, 232}, {INT_MAX, 127}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.angle);
        std::vector<Point2D> direct = {{3, -2}}, matrix = direct;
        Polygon a = polygon_over(direct, 0, 0), b = polygon_over(matrix, 0, 0);
        EXPECT_EQ(1, rotate_polygon(&a, c.angle));
        EXPECT_EQ(1, rotate_polygon_mat(&b, c.angle));
        const float ca = cos_table[c.entry], sa = sin_table[c.entry];
        const float x_cos = 3 * ca, y_sin = -2 * sa, x_sin = 3 * sa, y_cos = -2 * ca;
        EXPECT_EQ(x_cos - y_sin, direct[0].x);
        EXPECT_EQ(x_sin + y_cos, direct[0].y);
        EXPECT_EQ(direct[0].x, matrix[0].x);
        EXPECT_EQ(direct[0].y, matrix[0].y);
    }
}

TEST(PolygonRotation, PositiveAnglesTurnClockwiseOnScreen) {
    // y grows downwards: a quarter turn takes the point on the right to the one below.
    std::vector<Point2D> vertices = {{10, 0}};
    Polygon polygon = polygon_over(vertices, 0, 0);
    rotate_polygon(&polygon, 90);
    EXPECT_NEAR(0.0f, vertices[0].x, 1e-5f);
    EXPECT_NEAR(10.0f, vertices[0].y, 1e-5f);
}

void expect_near_relative(const std::vector<Point2D>& expected, const std::vector<Point2D>& actual,
                          float relative) {
    ASSERT_EQ(expected.size(), actual.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const float scale = std::max(std::hypot(expected[i].x, expected[i].y), 1e-3f);
        EXPECT_NEAR(expected[i].x, actual[i].x, relative * scale) << "vertex " << i;
        EXPECT_NEAR(expected[i].y, actual[i].y, relative * scale) << "vertex " << i;
    }
}

TEST(PolygonTransforms, TurnsAndScalesUndoThemselvesAndBothRoutesAgree) {
    std::mt19937 rng(3);
    for (int n = 0; n < 500; ++n) {
        const std::vector<Point2D> original =
            random_scatter(rng, uniform_int(rng, 1, 64), uniform(rng, 0.01f, 5000), 1000);
        const int angle = uniform_int(rng, -360, 360);
        const float sx = uniform(rng, 0.05f, 20), sy = uniform(rng, 0.05f, 20);
        std::vector<Point2D> direct = original, matrix = original;
        Polygon a = polygon_over(direct, 5, 5), b = polygon_over(matrix, 5, 5);

        rotate_polygon(&a, angle);
        rotate_polygon_mat(&b, angle);
        // The matrix route adds zero terms, which change nothing but the sign of a zero.
        for (std::size_t i = 0; i < original.size(); ++i) {
            ASSERT_EQ(direct[i].x, matrix[i].x);
            ASSERT_EQ(direct[i].y, matrix[i].y);
        }
        rotate_polygon(&a, -angle);
        rotate_polygon_mat(&b, -angle);
        expect_near_relative(original, direct, 1e-3f);
        expect_near_relative(original, matrix, 1e-3f);

        direct = original, matrix = original;
        scale_polygon(&a, sx, sy);
        scale_polygon_mat(&b, sx, sy);
        for (std::size_t i = 0; i < original.size(); ++i) {
            ASSERT_EQ(direct[i].x, matrix[i].x);
            ASSERT_EQ(direct[i].y, matrix[i].y);
        }
        scale_polygon(&a, 1 / sx, 1 / sy);
        scale_polygon_mat(&b, 1 / sx, 1 / sy);
        expect_near_relative(original, direct, 1e-3f);
        expect_near_relative(original, matrix, 1e-3f);
        if (HasFailure()) return;
    }
}

TEST(PolygonTransforms, TranslationMovesThePositionOnly) {
    std::vector<Point2D> vertices = {{1.5f, 2.5f}};
    Polygon a = polygon_over(vertices, 10, -4), b = polygon_over(vertices, 10, -4);
    EXPECT_EQ(1, translate_polygon(&a, 3, -7));
    EXPECT_EQ(1, translate_polygon_mat(&b, 3, -7));
    EXPECT_EQ(13, a.x0);
    EXPECT_EQ(-11, a.y0);
    EXPECT_EQ(13, b.x0);
    EXPECT_EQ(-11, b.y0);
    EXPECT_EQ(1.5f, vertices[0].x);
    EXPECT_EQ(2.5f, vertices[0].y);
}

TEST(PolygonTransforms, PositionsStopAtTheIntegerRangeInsteadOfWrapping) {
    std::vector<Point2D> vertices = {{0, 0}};
    Polygon a = polygon_over(vertices, INT_MAX - 5, INT_MIN + 5);
    Polygon b = a;
    translate_polygon(&a, 100, -100);
    translate_polygon_mat(&b, INT_MAX, INT_MIN);
    EXPECT_EQ(INT_MAX, a.x0);
    EXPECT_EQ(INT_MIN, a.y0);
    EXPECT_EQ(INT_MAX, b.x0);
    EXPECT_EQ(INT_MIN, b.y0);
    // Through a float, a position past 2^24 comes back rounded to a float's step.
    Polygon c = polygon_over(vertices, (1 << 24) + 1, 0);
    translate_polygon_mat(&c, 0, 0);
    EXPECT_EQ(1 << 24, c.x0);
}

TEST(PolygonBoundingBox, TheBoxStartsAtThePosition) {
    const struct {
        std::vector<Point2D> vertices;
        float min_x, max_x, min_y, max_y;
    } cases[] = {
        {{{5, 5}, {10, 5}, {10, 10}}, 0, 10, 0, 10},
        {{{-3, -4}, {-1, -8}}, -3, 0, -8, 0},
        {{{-2, 7}, {6, -1}, {1, 1}}, -2, 6, -1, 7},
    };
    for (auto c : cases) {
        Polygon polygon = polygon_over(c.vertices, 100, 100);
        float box[4] = {9, 9, 9, 9};
        ASSERT_EQ(1, polygon_bounding_box(&polygon, &box[0], &box[1], &box[2], &box[3]));
        EXPECT_EQ(c.min_x, box[0]);
        EXPECT_EQ(c.max_x, box[1]);
        EXPECT_EQ(c.min_y, box[2]);
        EXPECT_EQ(c.max_y, box[3]);
    }
}

TEST(PolygonBoundingBox, NoVerticesLeaveTheOutputsAlone) {
    std::vector<Point2D> vertices = {{5, 5}};
    Polygon empty = polygon_over(vertices, 0, 0);
    empty.num_verts = 0;
    Polygon missing = polygon_over(vertices, 0, 0);
    missing.vlist = nullptr;
    float box[4] = {9, 9, 9, 9};
    EXPECT_EQ(0, polygon_bounding_box(&empty, &box[0], &box[1], &box[2], &box[3]));
    EXPECT_EQ(0, polygon_bounding_box(&missing, &box[0], &box[1], &box[2], &box[3]));
    EXPECT_EQ(0, polygon_bounding_box(nullptr, &box[0], &box[1], &box[2], &box[3]));
    for (float value : box)
        EXPECT_EQ(9, value);
}

TEST(PolygonTransforms, MissingPolygonsAndListsAreRefusedOrLeftAlone) {
    EXPECT_EQ(0, translate_polygon(nullptr, 1, 1));
    EXPECT_EQ(0, rotate_polygon(nullptr, 10));
    EXPECT_EQ(0, scale_polygon(nullptr, 2, 2));
    EXPECT_EQ(0, translate_polygon_mat(nullptr, 1, 1));
    EXPECT_EQ(0, rotate_polygon_mat(nullptr, 10));
    EXPECT_EQ(0, scale_polygon_mat(nullptr, 2, 2));
    // A polygon without a list is still a polygon: nothing to turn, and the call succeeds.
    Polygon listless{};
    listless.num_verts = 4;
    EXPECT_EQ(1, rotate_polygon(&listless, 10));
    EXPECT_EQ(1, scale_polygon(&listless, 2, 2));
    EXPECT_EQ(1, rotate_polygon_mat(&listless, 10));
    EXPECT_EQ(1, scale_polygon_mat(&listless, 2, 2));
}

TEST(PolygonPoints, FloatsBecomePixelsWithinTheIntegerRange) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float value;
        int pixel;
    } cases[] = {
        {3.9f, 3},        {-3.9f, -3},    {2147483520.0f, 2147483520}, {2147483648.0f, INT_MAX},
        {1e30f, INT_MAX}, {inf, INT_MAX}, {-2147483648.0f, INT_MIN},   {-1e30f, INT_MIN},
        {-inf, INT_MIN},  {nan, INT_MIN}};
    for (const auto& c : cases)
        EXPECT_EQ(c.pixel, truncate_to_int32(c.value)) << c.value;
    // The sum is a float's: past 2^24 the position itself is rounded before the offset adds.
    EXPECT_EQ(12, screen_coordinate(10, 2.5f));
    EXPECT_EQ(1 << 24, screen_coordinate((1 << 24) + 1, 0.0f));
}

} // namespace
