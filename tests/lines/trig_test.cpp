// Cosine and sine tables and the square-root-free length estimates.
#include "engine/util/trig.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <vector>

namespace {

// Read while this program's static objects are being made, before main and before any
// test runs: the tables must already be full then.
const float cos_at_start_up = cos_table[0];
const float sin_at_start_up = sin_table[90];

} // namespace

TEST(TrigTables, FullBeforeMainRuns) {
    EXPECT_EQ(1.0f, cos_at_start_up);
    EXPECT_EQ(1.0f, sin_at_start_up);
}

TEST(TrigTables, WholeDegreesWithPiAsAFloat) {
    EXPECT_EQ(1.0f, cos_table[0]);
    EXPECT_EQ(0.0f, sin_table[0]);
    EXPECT_EQ(0.5f, sin_table[30]);
    EXPECT_FLOAT_EQ(-4.371139e-08f, cos_table[90]);
    EXPECT_FLOAT_EQ(-8.742278e-08f, sin_table[180]);
    EXPECT_FLOAT_EQ(1.7484555e-07f, sin_table[360]);
    EXPECT_EQ(-1.0f, cos_table[180]);
    for (int i = 0; i <= 360; ++i) {
        // Pi as a float is 9e-8 too large, and each angle is rounded to a float.
        const double radians = i * M_PI / 180;
        EXPECT_NEAR(std::cos(radians), cos_table[i], 5e-7) << i;
        EXPECT_NEAR(std::sin(radians), sin_table[i], 5e-7) << i;
    }
}

TEST(TrigTables, BuildingAgainGivesTheSameBits) {
    const std::vector<float> cosines(cos_table, cos_table + 361);
    const std::vector<float> sines(sin_table, sin_table + 361);
    std::memset(cos_table, 0, sizeof cos_table);
    std::memset(sin_table, 0, sizeof sin_table);
    build_sin_cos_tables();
    EXPECT_EQ(0, std::memcmp(cosines.data(), cos_table, sizeof cos_table));
    EXPECT_EQ(0, std::memcmp(sines.data(), sin_table, sizeof sin_table));
}

namespace {

struct Distance2 {
    int dx, dy, expected;
};

struct Distance3 {
    float dx, dy, dz, expected;
};

} // namespace

// The last rows would wrap, or overflow in the middle, in 32-bit arithmetic; past the int
// range the estimate saturates.
TEST(FastDistance, TwoDimensions) {
    const std::vector<Distance2> cases = {
        {3, 4, 6},
        {-7, 24, 27},
        {100, 0, 100},
        {10, 10, 13},
        {100, 100, 131},
        {0, 0, 0},
        {1 << 30, 1 << 30, 1409286144},
        {-(1 << 30), 1 << 30, 1409286144},
        {INT_MIN + 1, 0, INT_MAX},
        {INT_MIN, 0, INT_MAX},
        {0, INT_MIN, INT_MAX},
        {INT_MIN, INT_MIN, INT_MAX},
        {INT_MAX, INT_MAX, INT_MAX},
    };
    for (const Distance2& c : cases)
        EXPECT_EQ(c.expected, fast_distance_2d(c.dx, c.dy)) << c.dx << ", " << c.dy;
}

TEST(FastDistance, ThreeDimensions) {
    const float inf = std::numeric_limits<float>::infinity();
    const float nan = std::numeric_limits<float>::quiet_NaN();
    constexpr float saturated = 8796093022208.0f; // 2^43
    const std::vector<Distance3> cases = {
        {3, 4, 0, 5},
        {2, 3, 6, 7},
        {1, 1, 1, 1},
        {0.5f, 0.5f, 0, 0},
        {-3, 0, -4, 5},
        {2097152, 0, 0, 2097152}, // 2^21: 2^31 in fixed point
        {3e6f, -4e6f, 0, 5031250},
        {1e10f, 0, 0, 1e10f},
        {1e30f, 0, 0, saturated},
        {FLT_MAX, -FLT_MAX, FLT_MAX, saturated + 11 * (saturated / 32) + saturated / 4},
        {-inf, 0, 0, saturated},
        {nan, 3, 4, 5},
        {nan, nan, nan, 0},
    };
    for (const Distance3& c : cases)
        EXPECT_EQ(c.expected, fast_distance_3d(c.dx, c.dy, c.dz))
            << c.dx << ", " << c.dy << ", " << c.dz;
}

// Over the whole range the estimates stay within their known error of the true length.
TEST(FastDistance, EstimatesStayNearTheTrueLength) {
    std::mt19937 random(5);
    std::uniform_int_distribution<int> any(INT_MIN, INT_MAX);
    std::uniform_real_distribution<float> large(-1e12f, 1e12f);
    for (int i = 0; i < 100000; ++i) {
        const int dx = any(random) >> (random() % 31), dy = any(random) >> (random() % 31);
        const double length = std::hypot(double(dx), double(dy));
        const int estimate = fast_distance_2d(dx, dy);
        if (estimate != INT_MAX) {
            ASSERT_GE(estimate, 0.92 * length - 2) << dx << ", " << dy;
            ASSERT_LE(estimate, 1.05 * length + 2) << dx << ", " << dy;
        } else {
            ASSERT_GE(1.05 * length + 2, INT_MAX) << dx << ", " << dy;
        }
        const float x = large(random), y = large(random), z = large(random) * 1e-6f;
        const double length3 = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
        const float estimate3 = fast_distance_3d(x, y, z);
        ASSERT_GE(estimate3, 0.9 * length3 - 1) << x << ", " << y << ", " << z;
        ASSERT_LE(estimate3, 1.1 * length3 + 1) << x << ", " << y << ", " << z;
    }
}
