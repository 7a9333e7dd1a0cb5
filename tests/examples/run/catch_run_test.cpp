// The catch example run headless from its plain main(): the basket follows the arrow keys and
// the mouse, shapes fall and are caught or missed, and Escape ends it with everything released.
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

#include <algorithm>

int catch_main(); // the example's main, renamed for this test program

namespace {

constexpr int GROUND = 450, BASKET = 2, BALL = 4, BOX = 5;

// The first and last column of the basket's fill in the row just above the ground (its
// outline, in another colour, takes the column on either side).
std::pair<int, int> basket_columns(const HeadlessFrame& frame) {
    const std::uint8_t* row =
        frame.pixels.data() + static_cast<std::size_t>(GROUND - 5) * frame.width;
    const auto first = std::find(row, row + frame.width, BASKET);
    const auto last = std::find(std::make_reverse_iterator(row + frame.width),
                                std::make_reverse_iterator(row), BASKET);
    if (first == row + frame.width) return {-1, -1};
    return {static_cast<int>(first - row), static_cast<int>(&*last - row)};
}

bool shows(const HeadlessFrame& frame, std::uint8_t color) {
    return std::find(frame.pixels.begin(), frame.pixels.end(), color) != frame.pixels.end();
}

TEST(CatchExample, TheBasketMovesShapesFallAndEscapeEnds) {
    platform_reset();
    headless_keep_frames(400);
    headless_script_key(1000, VK_RIGHT, 1); // held for about ten frames
    headless_script_key(1300, VK_RIGHT, 0);
    headless_script_mouse(2000, VIDEO_MOUSE_MOVE, 0, 100, 300);
    headless_script_mouse(2010, VIDEO_MOUSE_MOVE, 0, 110, 300);
    headless_script_key(6000, VK_ESCAPE, 1);
    ASSERT_EQ(catch_main(), 0);
    EXPECT_EQ(ddraw_live_objects(), 0);

    // The first frame presented is the display's own clear, before the game's first frame.
    const HeadlessFrame* first = headless_frame(1);
    const HeadlessFrame* last = headless_last_frame();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(last, nullptr);
    EXPECT_EQ(first->width, 640);
    // The basket starts centred, goes right with the key, then to the mouse (centred on it).
    EXPECT_EQ(basket_columns(*first), std::make_pair(281, 358));
    bool went_right = false, shapes_fell = false;
    for (int n = 0; const HeadlessFrame* frame = headless_frame(n); ++n) {
        went_right |= basket_columns(*frame).first > 280;
        shapes_fell |= shows(*frame, BALL) || shows(*frame, BOX);
    }
    EXPECT_TRUE(went_right);
    EXPECT_TRUE(shapes_fell);
    EXPECT_EQ(basket_columns(*last), std::make_pair(71, 148));
}

} // namespace
