// Box overlap tests and colour scans.
#include "engine/display/display_context.h"
#include "engine/util/collision.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

TEST(RectsOverlap, ClosedSpansTouchAtEdgesAndCorners) {
    // Sharing the edge x = 10 with overlapping rows, and sharing only the corner (10, 10).
    EXPECT_EQ(1, rects_overlap(0, 0, 10, 10, 10, 5, 10, 10));
    EXPECT_EQ(1, rects_overlap(0, 0, 10, 10, 10, 10, 5, 5));
    EXPECT_EQ(1, rects_overlap(10, 10, 5, 5, 0, 0, 10, 10));
    EXPECT_EQ(0, rects_overlap(0, 0, 10, 10, 11, 5, 10, 10));
    EXPECT_EQ(0, rects_overlap(0, 0, 10, 10, 5, 11, 10, 10));
}

TEST(RectsOverlap, ContainmentTouchesEitherWayButAPlusSignDoesNot) {
    EXPECT_EQ(1, rects_overlap(2, 2, 3, 3, 0, 0, 10, 10)); // A inside B: rule 2
    EXPECT_EQ(1, rects_overlap(0, 0, 10, 10, 2, 2, 3, 3)); // B inside A: rule 1
    EXPECT_EQ(0, rects_overlap(0, 0, 10, 100, -5, 40, 20, 20));
    EXPECT_EQ(0, rects_overlap(-5, 40, 20, 20, 0, 0, 10, 100));
}

TEST(RectsOverlap, NegativeSizesAreTakenAsGivenAndExtremesDoNotWrap) {
    // A's x span [10, 5] holds no point, so only B's span can report the touch.
    EXPECT_EQ(1, rects_overlap(10, 0, -5, 10, 0, 0, 20, 20));
    EXPECT_EQ(0, rects_overlap(10, 0, -5, 10, 6, 0, 2, 10));
    // Near the top of the range a wrapping sum would put the far edge below zero.
    EXPECT_EQ(0, rects_overlap(INT_MAX - 1, 0, 10, 10, 0, 0, 5, 5));
    EXPECT_EQ(1, rects_overlap(INT_MAX - 1, 0, INT_MAX, 10, INT_MAX, 0, 5, 5));
}

TEST(RectsOverlapScaled, HalfExtentsAreThreeEighthsOfTheSize) {
    EXPECT_EQ(0, scaled_half_extent(0));
    EXPECT_EQ(0, scaled_half_extent(1));
    EXPECT_EQ(3, scaled_half_extent(8));
    EXPECT_EQ(6, scaled_half_extent(16));
    EXPECT_EQ(12, scaled_half_extent(32));
    EXPECT_EQ(9, scaled_half_extent(24));
}

TEST(RectsOverlapScaled, ExtentsThatMeetExactlyDoNotOverlap) {
    // Two 32-wide boxes: hw 12 each, so 23 apart overlaps and 24 apart does not.
    EXPECT_EQ(1, rects_overlap_scaled(0, 0, 32, 32, 23, 0, 32, 32));
    EXPECT_EQ(0, rects_overlap_scaled(0, 0, 32, 32, 24, 0, 32, 32));
    EXPECT_EQ(0, rects_overlap_scaled(24, 0, 32, 32, 0, 0, 32, 32));
    EXPECT_EQ(0, rects_overlap_scaled(0, 0, 32, 32, 0, 24, 32, 32));
    // Widths below 2 give a half-extent of 0: never overlapping on x, even at one spot.
    EXPECT_EQ(0, rects_overlap_scaled(5, 5, 1, 32, 5, 5, 1, 32));
    EXPECT_EQ(0, rects_overlap_scaled(INT_MIN, 0, 32, 32, INT_MAX - 20, 0, 32, 32));
}

namespace {

// A 640 x 480 8-bit buffer with a pitch of 648 bytes, filled with 0.
struct Screen8 : ::testing::Test {
    static constexpr int PITCH = 648;
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(PITCH * 480, 0);
    void SetUp() override { display_context_reset(); } // screen 640 x 480
    void set(int x, int y, std::uint8_t value) { pixels[y * PITCH + x] = value; }
    std::int32_t scan(int x1, int y1, int x2, int y2, int low, int high) const {
        return color_scan(x1, y1, x2, y2, low, high, pixels.data(), PITCH);
    }
};

} // namespace

TEST_F(Screen8, CornersAreInclusive) {
    set(30, 40, 170);
    EXPECT_EQ(1, scan(10, 20, 30, 40, 170, 170));
    EXPECT_EQ(1, scan(30, 40, 50, 60, 170, 170));
    EXPECT_EQ(0, scan(10, 20, 29, 40, 170, 170));
    EXPECT_EQ(0, scan(10, 20, 30, 39, 170, 170));
    EXPECT_EQ(0, scan(31, 40, 50, 60, 170, 170));
}

TEST_F(Screen8, EveryColumnOfRowsOfEveryLengthIsLookedAt) {
    // Rows are compared many pixels at a time: a pixel at any column of a row of any length
    // must be found, and one just past either end must not.
    for (int length = 1; length <= 40; ++length) {
        for (int column = -1; column <= length; ++column) {
            set(100 + column, 7, 170);
            const int found = scan(100, 7, 100 + length - 1, 7, 170, 170);
            const int in_range = scan(100, 7, 100 + length - 1, 7, 165, 175);
            set(100 + column, 7, 0);
            const int expected = column >= 0 && column < length;
            ASSERT_EQ(expected, found) << length << " " << column;
            ASSERT_EQ(expected, in_range) << length << " " << column;
        }
    }
}

TEST_F(Screen8, ColourRangesAreInclusiveUnsignedAndUseTheLowByte) {
    set(5, 5, 200);
    EXPECT_EQ(1, scan(0, 0, 10, 10, 150, 210));
    EXPECT_EQ(1, scan(0, 0, 10, 10, 200, 255));
    EXPECT_EQ(0, scan(0, 0, 10, 10, 201, 255));
    EXPECT_EQ(0, scan(0, 0, 10, 10, 210, 150));     // lowest above highest: nothing matches
    EXPECT_EQ(1, scan(0, 0, 10, 10, 0x1C8, 0x2C8)); // 0xC8 = 200 in the low byte
    EXPECT_EQ(1, scan(0, 0, 10, 10, 0, 0));         // the zero pixels around it
}

TEST_F(Screen8, BoxesAreClampedOntoTheScreen) {
    // Wholly below the screen: both rows become 479, which is scanned.
    set(100, 479, 170);
    EXPECT_EQ(1, scan(90, 500, 110, 600, 170, 170));
    // Wholly to the right: both columns become 639.
    set(639, 10, 171);
    EXPECT_EQ(1, scan(700, 0, 800, 20, 171, 171));
    // Left and above: both become 0.
    set(0, 0, 172);
    EXPECT_EQ(1, scan(-50, -50, -10, -10, 172, 172));
    // Corners given the wrong way round scan nothing.
    EXPECT_EQ(0, scan(110, 479, 90, 479, 170, 170));
    EXPECT_EQ(0, scan(100, 479, 100, 400, 170, 170));
    EXPECT_EQ(0, color_scan(0, 0, 10, 10, 0, 0, nullptr, PITCH));
}

TEST_F(Screen8, FollowsTheScreenSizeOfTheDisplay) {
    screen_width = 320;
    screen_height = 200;
    set(319, 199, 9);
    EXPECT_EQ(1, scan(400, 300, 500, 400, 9, 9));
    // Without a screen there is nothing to scan.
    screen_width = 0;
    EXPECT_EQ(0, scan(0, 0, 10, 10, 0, 0));
}

TEST(ColorScan16, MatchesEitherValueOverWholePixels) {
    display_context_reset();
    // Pitch 1282 bytes: 641 pixels a row.
    std::vector<std::uint16_t> pixels(641 * 480, 0x1111);
    pixels[641 * 7 + 9] = 0xF800;
    pixels[641 * 479 + 639] = 0x07E0;
    EXPECT_EQ(1, color_scan16(0, 0, 9, 7, 0xF800, 0xF800, pixels.data(), 1282));
    EXPECT_EQ(0, color_scan16(0, 0, 8, 7, 0xF800, 0xF800, pixels.data(), 1282));
    EXPECT_EQ(1, color_scan16(0, 0, 9, 7, 0x07E0, 0x1F800, pixels.data(), 1282));
    EXPECT_EQ(0, color_scan16(0, 0, 9, 7, 0x07E0, 0x001F, pixels.data(), 1282));
    EXPECT_EQ(1, color_scan16(1000, 1000, 2000, 2000, 0x07E0, 0x07E0, pixels.data(), 1282));
    EXPECT_EQ(0, color_scan16(0, 0, 9, 7, 0x07E0, 0x07E0, nullptr, 1282));
}
