// Pixels, unclipped lines and clipped horizontal and vertical lines, at 8 and 16 bits.
#include "engine/display/display_context.h"
#include "engine/util/lines.h"
#include "support/guarded_buffer.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <random>
#include <utility>
#include <vector>

namespace {

using Pixels = std::vector<std::pair<int, int>>;

Pixels sorted(Pixels pixels) {
    std::sort(pixels.begin(), pixels.end(), [](auto a, auto b) {
        return std::pair(a.second, a.first) < std::pair(b.second, b.first);
    });
    return pixels;
}

struct LineCase {
    int x0, y0, x1, y1;
    Pixels pixels;
};

} // namespace

TEST(DrawLine, TiesAndReversedEndPointsGiveTheWalksPixels) {
    const std::vector<LineCase> cases = {
        {0, 0, 3, 3, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},         // dx = dy walks y-major
        {0, 0, 4, 1, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}}}, // error starts at -2
        {4, 1, 0, 0, {{4, 1}, {3, 1}, {2, 0}, {1, 0}, {0, 0}}}, // not the forward set
        {5, 5, 5, 5, {{5, 5}}},
        {2, 0, 0, 4, {{2, 0}, {1, 1}, {1, 2}, {0, 3}, {0, 4}}}, // y-major, error starts at 0
        {10, 7, 3, 7, {{3, 7}, {4, 7}, {5, 7}, {6, 7}, {7, 7}, {8, 7}, {9, 7}, {10, 7}}},
    };
    for (const LineCase& c : cases) {
        GuardedBuffer8 b8(16, 16);
        GuardedBuffer16 b16(16, 16);
        EXPECT_EQ(1, draw_line8(c.x0, c.y0, c.x1, c.y1, 0x1234, b8.origin(), b8.pitch()));
        EXPECT_EQ(1, draw_line16(c.x0, c.y0, c.x1, c.y1, 0x12345678, b16.origin(), b16.pitch()));
        EXPECT_EQ(sorted(c.pixels), b8.changed_pixels()) << c.x0 << "," << c.y0 << " " << c.x1;
        EXPECT_EQ(sorted(c.pixels), b16.changed_pixels()) << c.x0 << "," << c.y0 << " " << c.x1;
        EXPECT_EQ(0x34, b8.at(c.x0, c.y0));
        EXPECT_EQ(0x5678, b16.at(c.x0, c.y0));
    }
}

// Step k along the major axis lies floor(k * minor / major + 1/2) across from the first
// end point, toward the second: the nearest pixel, ties going away from the start.
TEST(DrawLine, EveryStepIsTheNearestPixelTiesAwayFromTheStart) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coord(0, 199);
    for (int i = 0; i < 2000; ++i) {
        GuardedBuffer8 buffer(200, 200);
        const int x0 = coord(random), y0 = coord(random), x1 = coord(random), y1 = coord(random);
        draw_line8(x0, y0, x1, y1, 1, buffer.origin(), buffer.pitch());
        const int dx = std::abs(x1 - x0), dy = std::abs(y1 - y0);
        const int sx = x1 < x0 ? -1 : 1, sy = y1 < y0 ? -1 : 1;
        const int major = std::max(dx, dy), minor = std::min(dx, dy);
        Pixels expected;
        for (int k = 0; k <= major; ++k) {
            const int across = major ? (2 * k * minor + major) / (2 * major) : 0;
            expected.emplace_back(dx > dy ? x0 + sx * k : x0 + sx * across,
                                  dx > dy ? y0 + sy * across : y0 + sy * k);
        }
        ASSERT_EQ(sorted(expected), buffer.changed_pixels())
            << x0 << "," << y0 << " " << x1 << "," << y1;
    }
}

TEST(PlotPixel, StoresTheLowBitsAtTheRowOfThePitch) {
    GuardedBuffer8 b8(8, 8);
    GuardedBuffer16 b16(8, 8);
    EXPECT_EQ(1, plot_pixel8(3, 5, 0x7F01, b8.origin(), b8.pitch()));
    EXPECT_EQ(1, plot_pixel16(3, 5, 0x7F0102, b16.origin(), b16.pitch()));
    EXPECT_EQ((Pixels{{3, 5}}), b8.changed_pixels());
    EXPECT_EQ((Pixels{{3, 5}}), b16.changed_pixels());
    EXPECT_EQ(0x01, b8.at(3, 5));
    EXPECT_EQ(0x0102, b16.at(3, 5));
}

namespace {

struct SpanCase {
    int a, b, at;    // end rows or columns, then the line's row or column
    int first, last; // expected cut span; first > last: nothing
};

} // namespace

// Horizontal and vertical lines against the plain set they must fill: the ordered span cut
// to the rectangle, on a row or column inside it.
TEST(DrawSpans, CutToTheRectangleInEitherOrderAndAtTheExtremes) {
    const std::vector<SpanCase> cases = {
        {700, -5, 10, 0, 639},
        {-5, 700, 479, 0, 639},
        {3, 3, 0, 3, 3},
        {10, 20, 480, 1, 0},
        {10, 20, -1, 1, 0},
        {640, 900, 5, 1, 0},
        {INT_MIN, INT_MAX, 0, 0, 639},
        {INT_MAX, INT_MIN, 100, 0, 639},
        {INT_MIN, -1, 7, 1, 0},
        {639, INT_MAX, 7, 639, 639},
    };
    display_context_reset();
    for (const SpanCase& c : cases) {
        GuardedBuffer8 h8(640, 480), v8(480, 640);
        GuardedBuffer16 h16(640, 480), v16(480, 640);
        clip_max_x = 639, clip_max_y = 479;
        draw_hline8(c.a, c.b, c.at, 9, h8.origin(), h8.pitch());
        draw_hline16(c.a, c.b, c.at, 9, h16.origin(), h16.pitch());
        clip_max_x = 479, clip_max_y = 639; // the same span, turned on its side
        draw_vline8(c.a, c.b, c.at, 9, v8.origin(), v8.pitch());
        draw_vline16(c.a, c.b, c.at, 9, v16.origin(), v16.pitch());
        Pixels row, column;
        for (int i = c.first; i <= c.last; ++i) {
            row.emplace_back(i, c.at);
            column.emplace_back(c.at, i);
        }
        EXPECT_EQ(row, h8.changed_pixels()) << c.a << " " << c.b << " " << c.at;
        EXPECT_EQ(row, h16.changed_pixels()) << c.a << " " << c.b << " " << c.at;
        EXPECT_EQ(sorted(column), v8.changed_pixels()) << c.a << " " << c.b << " " << c.at;
        EXPECT_EQ(sorted(column), v16.changed_pixels()) << c.a << " " << c.b << " " << c.at;
        EXPECT_TRUE(h8.untouched_outside(0, 0, 639, 479));
        EXPECT_TRUE(v16.untouched_outside(0, 0, 479, 639));
    }
    display_context_reset();
}

// Lines about the length where the walk changes its arithmetic keep the same pixels: step k
// of a line with spans major and minor sits at floor(k * minor / major + 1/2) across.
TEST(DrawLine, LongLinesRoundAsShortOnes) {
    for (int major : {40000, 46340, 46341, 50000})
        for (int minor : {1, 3}) {
            GuardedBuffer8 wide(major + 1, minor + 1);
            GuardedBuffer8 tall(minor + 1, major + 1);
            draw_line8(0, 0, major, minor, 1, wide.origin(), wide.pitch());
            draw_line8(0, 0, minor, major, 1, tall.origin(), tall.pitch());
            ASSERT_EQ(static_cast<size_t>(major) + 1, wide.changed_pixels().size());
            ASSERT_EQ(static_cast<size_t>(major) + 1, tall.changed_pixels().size());
            for (std::int64_t k = 0; k <= major; ++k) {
                const int across = static_cast<int>((2 * k * minor + major) / (2 * major));
                ASSERT_TRUE(wide.changed(static_cast<int>(k), across)) << major << " " << k;
                ASSERT_TRUE(tall.changed(across, static_cast<int>(k))) << major << " " << k;
            }
        }
}
