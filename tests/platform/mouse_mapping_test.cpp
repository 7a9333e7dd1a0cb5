// Every output pixel of a window maps back to the picture pixel the scaler drew there, at
// several window sizes and picture sizes; releases off the picture land on its nearest pixel.
#include "platform/video/sdl/sdl_backend_scale.h"
#include "platform/video/viewport.h"

#include <gtest/gtest.h>

#include <vector>

TEST(MouseMapping, EveryPositionMapsBackToThePixelShownThere) {
    struct Size {
        int width, height;
    };
    const Size pictures[] = {{64, 48}, {80, 60}, {33, 20}};
    const Size windows[] = {{64, 48}, {200, 150}, {130, 97}, {50, 40}, {333, 61}, {17, 200}};
    for (const Size& p : pictures) {
        // Each picture pixel's value is its own index, so a shown value names its pixel.
        std::vector<std::uint32_t> picture(static_cast<std::size_t>(p.width) * p.height);
        for (std::size_t i = 0; i < picture.size(); ++i)
            picture[i] = static_cast<std::uint32_t>(i);
        for (const Size& w : windows) {
            SCOPED_TRACE(testing::Message()
                         << p.width << "x" << p.height << " in " << w.width << "x" << w.height);
            VideoViewport v = fit_picture(w.width, w.height, p.width, p.height);
            ASSERT_GT(v.width, 0);
            std::vector<std::uint32_t> out(static_cast<std::size_t>(v.width) * v.height,
                                           0xFFFFFFFFu);
            VideoViewport at_origin = {0, 0, v.width, v.height};
            scale_rows(picture.data(), p.width, p.width, p.height, at_origin, 0, v.height - 1,
                       out.data(), v.width);
            int mismatches = 0;
            for (int y = 0; y < w.height; ++y) {
                for (int x = 0; x < w.width; ++x) {
                    int px = -1, py = -1;
                    bool inside = x >= v.x && y >= v.y && x < v.x + v.width && y < v.y + v.height;
                    if (map_to_picture(v, p.width, p.height, x, y, &px, &py) != inside) {
                        ++mismatches;
                        continue;
                    }
                    if (!inside) continue;
                    std::uint32_t shown =
                        out[static_cast<std::size_t>(y - v.y) * v.width + x - v.x];
                    if (shown != static_cast<std::uint32_t>(py * p.width + px)) ++mismatches;
                }
            }
            EXPECT_EQ(mismatches, 0);
            // Off the picture, the clamped mapping gives the pixel shown at the nearest corner.
            int px = -1, py = -1, corner_x = -1, corner_y = -1;
            ASSERT_TRUE(map_to_picture_clamped(v, p.width, p.height, -50, w.height + 9, &px, &py));
            map_to_picture(v, p.width, p.height, v.x, v.y + v.height - 1, &corner_x, &corner_y);
            EXPECT_EQ(px, corner_x);
            EXPECT_EQ(py, corner_y);
            ASSERT_TRUE(map_to_picture_clamped(v, p.width, p.height, 1 << 30, -7, &px, &py));
            map_to_picture(v, p.width, p.height, v.x + v.width - 1, v.y, &corner_x, &corner_y);
            EXPECT_EQ(px, corner_x);
            EXPECT_EQ(py, corner_y);
        }
    }
}
