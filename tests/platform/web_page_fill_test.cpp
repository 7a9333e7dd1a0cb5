// The picture on a handheld screen: a whole scale while it leaves no more than a quarter of the
// shorter side black, else the scale that fills the screen; clicks follow the picture.
#include "platform/host/web/web_page_fill.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

TEST(HandheldFill, FillsWhenAWholeScaleLeavesMoreThanAQuarterBlack) {
    struct Case {
        int width, height;
        VideoViewport want;
    };
    const Case cases[] = {
        // Sideways at two device pixels per CSS pixel (844 x 390): scale 1 fills 62 % of the
        // height, so the picture takes all of it at 1.625.
        {1688, 780, {324, 0, 1040, 780}},
        // Sideways at three: scale 2 fills 82 %, and stays.
        {2532, 1170, {626, 105, 1280, 960}},
        // Exactly a quarter left black stays whole; one row more fills.
        {1000, 640, {180, 80, 640, 480}},
        {1000, 641, {73, 0, 854, 641}},
        // Upright: measured across the width. 1170 wide leaves 45 % of it at scale 1.
        {1170, 2532, {0, 827, 1170, 877}},
        {780, 1688, {70, 604, 640, 480}},
        // The stage an upright page gives the picture: as wide as the screen, three quarters
        // as high; the fill is the same as across the width.
        {1170, 877, {0, 0, 1169, 877}},
        // Smaller than the picture: scaled down whole, as fit_picture does.
        {320, 200, {27, 0, 266, 200}},
        // No output, no picture.
        {0, 780, {0, 0, 0, 0}},
        {-5, -5, {0, 0, 0, 0}},
        // The largest outputs: a whole scale leaves next to nothing black.
        {1 << 20, 1 << 19, {174848, 64, 698880, 524160}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        VideoViewport v = handheld_fill(c.width, c.height, 640, 480);
        EXPECT_EQ(v.x, c.want.x);
        EXPECT_EQ(v.y, c.want.y);
        EXPECT_EQ(v.width, c.want.width);
        EXPECT_EQ(v.height, c.want.height);
    }
}

// A page that is no handheld screen keeps whole scales; on one, a click in the middle of a game
// pixel as the filled picture shows it lands on that pixel, and beside it on none.
TEST(HandheldFill, PagesPlaceAndMapClicksByTheSameRule) {
    VideoViewport desk = web_page_placement(844, 390, 2, 640, 480, 0);
    EXPECT_EQ(desk.height, 480);
    VideoViewport phone = web_page_placement(844, 390, 2, 640, 480, 1);
    ASSERT_EQ(phone.height, 780);
    for (int gx = 0; gx < 640; gx += 7) {
        for (int gy = 0; gy < 480; gy += 11) {
            double css_x = (phone.x + (gx + 0.5) * phone.width / 640.0) / 2;
            double css_y = (phone.y + (gy + 0.5) * phone.height / 480.0) / 2;
            int x = -1, y = -1;
            ASSERT_TRUE(web_page_click(844, 390, 2, 1, css_x, css_y, 640, 480, &x, &y));
            EXPECT_EQ(x, gx);
            EXPECT_EQ(y, gy);
        }
    }
    int x = -1, y = -1;
    EXPECT_FALSE(web_page_click(844, 390, 2, 1, phone.x / 2.0 - 1, 100, 640, 480, &x, &y));
    EXPECT_FALSE(web_page_click(844, 390, 2, 1, std::nan(""), 100, 640, 480, &x, &y));
    EXPECT_FALSE(web_page_click(844, 390, 2, 1, 900, 100, 640, 480, &x, &y));
    // Off a desk page's picture (scale 1, 524 device pixels in) is no click on it, where the
    // filled picture would have taken it.
    EXPECT_FALSE(web_page_click(844, 390, 2, 0, 200, 30, 640, 480, &x, &y));
    EXPECT_TRUE(web_page_click(844, 390, 2, 1, 200, 30, 640, 480, &x, &y));
}
