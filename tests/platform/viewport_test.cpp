// Where the picture lands in a window or page, and where a click there falls on it: the
// placement every presenter shares, checked at every output size against what the scaler
// draws, and the whole factor of a movable window.
#include "platform/host/scale.h"
#include "platform/host/viewport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

TEST(Viewport, KnownScreensGetTheLargestWholeFactorCentredOnBlack) {
    // Output size, then the picture's place and size: 3 would need 1440 rows on the first;
    // an output smaller than the picture shows all of it, in proportion.
    const int cases[][6] = {{1920, 1080, 320, 60, 1280, 960}, {1280, 1024, 0, 32, 1280, 960},
                            {640, 480, 0, 0, 640, 480},       {2560, 1440, 320, 0, 1920, 1440},
                            {320, 400, 0, 80, 320, 240},      {0, 480, 0, 0, 0, 0}};
    for (const auto& c : cases) {
        const VideoViewport v = fit_picture(c[0], c[1], 640, 480);
        EXPECT_TRUE(v.x == c[2] && v.y == c[3] && v.width == c[4] && v.height == c[5]) << c[0];
    }
    EXPECT_EQ(fit_picture(640, 480, 0, 0).width, 0);
}

// Every output size, odd and tiny ones included: the picture lies inside the output, centred
// to the pixel, in its own proportions, at the largest whole scale whenever it fits once; and
// every output pixel maps back onto the picture pixel the scaler drew there, or nowhere on
// the border. Off the picture, the clamped mapping gives the nearest corner's pixel.
TEST(Viewport, EverySizeCentresThePictureAndClicksMapToThePixelShownThere) {
    std::srand(13);
    for (int i = 0; i < 300; i++) {
        const int pw = i % 3 == 0 ? 64 : 1 + std::rand() % 40;
        const int ph = i % 3 == 0 ? 48 : 1 + std::rand() % 30;
        const int out_w = 1 + std::rand() % (pw * 4 + 10), out_h = 1 + std::rand() % (ph * 4 + 10);
        SCOPED_TRACE(std::to_string(pw) + "x" + std::to_string(ph) + " in " +
                     std::to_string(out_w) + "x" + std::to_string(out_h));
        const VideoViewport v = fit_picture(out_w, out_h, pw, ph);
        ASSERT_TRUE(v.width > 0 && v.height > 0);
        ASSERT_TRUE(v.x >= 0 && v.y >= 0 && v.x + v.width <= out_w && v.y + v.height <= out_h);
        EXPECT_LE(std::abs((out_w - v.x - v.width) - v.x), 1);
        EXPECT_LE(std::abs((out_h - v.y - v.height) - v.y), 1);
        if (out_w >= pw && out_h >= ph) {
            const int factor = v.width / pw;
            EXPECT_TRUE(v.width == pw * factor && v.height == ph * factor);
            EXPECT_TRUE(out_w < pw * (factor + 1) || out_h < ph * (factor + 1));
        } else {
            EXPECT_TRUE(v.width == out_w || v.height == out_h);
            // In proportion to within a pixel of either side.
            EXPECT_LE(std::abs(v.width * ph - v.height * pw), std::max(pw, ph));
        }
        // Each picture pixel's value is its own index, so a shown value names its pixel.
        std::vector<std::uint32_t> picture(static_cast<std::size_t>(pw) * ph);
        for (std::size_t p = 0; p < picture.size(); ++p)
            picture[p] = static_cast<std::uint32_t>(p);
        const std::uint32_t BORDER = 0xFFFFFFFFu;
        std::vector<std::uint32_t> out(static_cast<std::size_t>(out_w) * out_h, BORDER);
        scale_rows(picture.data(), pw, pw, ph, v, 0, v.height - 1, out.data(), out_w);
        int wrong = 0;
        for (int y = 0; y < out_h; ++y)
            for (int x = 0; x < out_w; ++x) {
                int px = -1, py = -1;
                const std::uint32_t shown = out[static_cast<std::size_t>(y) * out_w + x];
                if (!map_to_picture(v, pw, ph, x, y, &px, &py))
                    wrong += shown != BORDER;
                else
                    wrong +=
                        px < 0 || px >= pw || py < 0 || py >= ph ||
                        shown != static_cast<std::uint32_t>(py * pw + px) ||
                        // At a whole scale each picture pixel is a factor x factor block.
                        (v.width % pw == 0 && v.width / pw == v.height / ph &&
                         (px != (x - v.x) / (v.width / pw) || py != (y - v.y) / (v.width / pw)));
            }
        EXPECT_EQ(wrong, 0);
        int px = -1, py = -1, corner_x = -1, corner_y = -1;
        ASSERT_TRUE(map_to_picture_clamped(v, pw, ph, -50, out_h + 9, &px, &py));
        map_to_picture(v, pw, ph, v.x, v.y + v.height - 1, &corner_x, &corner_y);
        EXPECT_TRUE(px == corner_x && py == corner_y);
        ASSERT_TRUE(map_to_picture_clamped(v, pw, ph, 1 << 30, -7, &px, &py));
        map_to_picture(v, pw, ph, v.x + v.width - 1, v.y, &corner_x, &corner_y);
        EXPECT_TRUE(px == corner_x && py == corner_y);
    }
    int x = 0, y = 0;
    const VideoViewport none = {0, 0, 0, 0};
    EXPECT_FALSE(map_to_picture(none, 640, 480, 0, 0, &x, &y));
    EXPECT_FALSE(map_to_picture_clamped(none, 640, 480, 0, 0, &x, &y));
}

TEST(Viewport, AMovableWindowTakesTheLargestWholeScaleThatFitsTheUsableArea) {
    struct Case {
        int usable_w, usable_h, frame_w, frame_h, factor;
    };
    const Case cases[] = {
        {1366, 768 - 24, 0, 32, 1},  // a laptop: twice the size needs 960 rows
        {1920, 1080 - 40, 4, 30, 2}, // 960 + 30 rows fit in 1040
        {1920, 1000, 0, 41, 1},      // but not beside a taller frame
        {2560, 1440 - 48, 0, 30, 2}, // 1440 + 30 do not fit three times
        {3840, 2160, 0, 30, 4},
        {640, 480, 0, 30, 1}, // too small for even scale 1: still 1
        {0, 0, 0, 0, 1},
        {-5, 100000, -3, -3, 1},
        {1 << 30, 1 << 30, 0, 0, 64},
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowed_factor(c.usable_w, c.usable_h, c.frame_w, c.frame_h, 640, 480), c.factor)
            << c.usable_w << "x" << c.usable_h;
    EXPECT_EQ(windowed_factor(1920, 1080, 0, 0, 0, 480), 1);
}
