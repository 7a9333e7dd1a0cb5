// The Windows presenter's pixels: its one-pass conversion and scaling gives what the shared
// conversion and scaler give, at every depth and size; and a picture presented again unchanged
// is told from a changed one.
#include "platform/video/convert.h"
#include "platform/video/sdl/sdl_backend_scale.h"
#include "platform/video/win32/win32_frame.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace {

struct TestPicture {
    std::vector<std::uint8_t> pixels;
    std::vector<PALETTEENTRY> palette;
    VideoPicture picture;
};

// Random pixels in rows padded past their width, through a random palette at 8 bits.
TestPicture random_picture(std::mt19937& random, int width, int height, int bpp) {
    TestPicture t;
    const int pitch = width * (bpp == 8 ? 1 : 2) + 6;
    t.pixels.resize(static_cast<std::size_t>(pitch) * height);
    for (auto& p : t.pixels)
        p = static_cast<std::uint8_t>(random());
    t.palette.resize(256);
    for (auto& e : t.palette)
        e = {static_cast<BYTE>(random()), static_cast<BYTE>(random()), static_cast<BYTE>(random()),
             0};
    t.picture = {t.pixels.data(), pitch, width, height, bpp, bpp == 8 ? t.palette.data() : nullptr};
    return t;
}

// The SDL backend's way: the whole picture converted, then scaled.
std::vector<std::uint32_t> reference(const VideoPicture& picture, const VideoViewport& v) {
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(picture.width) * picture.height);
    convert_picture_to_argb(&picture, argb.data(), picture.width);
    std::vector<std::uint32_t> out(static_cast<std::size_t>(v.width) * v.height);
    const VideoViewport at_origin = {0, 0, v.width, v.height};
    scale_rows(argb.data(), picture.width, picture.width, picture.height, at_origin, 0,
               v.height - 1, out.data(), v.width);
    return out;
}

} // namespace

TEST(Win32Frame, EveryDepthAndScaleGivesTheSharedConversionAndScalersPixels) {
    std::mt19937 random(20);
    const int depths[] = {8, 15, 16};
    for (int bpp : depths)
        for (int trial = 0; trial < 6; ++trial) {
            const int width = 1 + static_cast<int>(random() % 40);
            const int height = 1 + static_cast<int>(random() % 30);
            TestPicture t = random_picture(random, width, height, bpp);
            // Whole factors 1 to 4, then sizes that are none: smaller, and stretched.
            std::vector<VideoViewport> sizes;
            for (int f = 1; f <= 4; ++f)
                sizes.push_back({0, 0, width * f, height * f});
            sizes.push_back({0, 0, 1 + width / 2, 1 + height / 3});
            sizes.push_back({0, 0, width * 2 + 1, height * 3});
            for (const VideoViewport& v : sizes) {
                // The bitmap's rows are wider than the picture; what lies past it stays.
                const int pitch = v.width + 3;
                std::vector<std::uint32_t> out(static_cast<std::size_t>(pitch) * v.height,
                                               0x12345678u);
                frame_convert_scaled(&t.picture, v, out.data(), pitch);
                const std::vector<std::uint32_t> want = reference(t.picture, v);
                int wrong = 0, margin_touched = 0;
                for (int y = 0; y < v.height; ++y) {
                    for (int x = 0; x < v.width; ++x)
                        wrong += (out[static_cast<std::size_t>(y) * pitch + x] & 0xFFFFFFu) !=
                                 (want[static_cast<std::size_t>(y) * v.width + x] & 0xFFFFFFu);
                    for (int x = v.width; x < pitch; ++x)
                        margin_touched +=
                            out[static_cast<std::size_t>(y) * pitch + x] != 0x12345678u;
                }
                EXPECT_EQ(wrong, 0) << bpp << " bpp, " << width << "x" << height << " to "
                                    << v.width << "x" << v.height;
                EXPECT_EQ(margin_touched, 0);
            }
        }
    // Nothing to draw from, or nowhere to draw it: nothing written, no crash.
    std::uint32_t untouched = 7;
    TestPicture t = random_picture(random, 4, 4, 8);
    t.picture.palette = nullptr;
    frame_convert_scaled(&t.picture, {0, 0, 4, 4}, &untouched, 4);
    frame_convert_scaled(nullptr, {0, 0, 4, 4}, &untouched, 4);
    frame_convert_scaled(&t.picture, {0, 0, 0, 4}, &untouched, 4);
    EXPECT_EQ(untouched, 7u);
}

TEST(Win32Frame, OnlyAChangedPictureCountsAsChangedAndTheCopyDrawsAsTheOriginal) {
    std::mt19937 random(7);
    TestPicture t = random_picture(random, 9, 5, 8);
    FrameCopy copy;
    EXPECT_EQ(frame_remember(&copy, &t.picture), 1) << "the first picture";
    EXPECT_EQ(frame_remember(&copy, &t.picture), 0) << "the same again";
    // The padding past each row is not part of the picture.
    t.pixels[9] ^= 0xFF;
    EXPECT_EQ(frame_remember(&copy, &t.picture), 0);
    // The band of changed rows: from the first changed row to the last.
    int first = -2, last = -2;
    t.pixels[static_cast<std::size_t>(3) * t.picture.pitch + 8] ^= 1; // row 3's last pixel
    EXPECT_EQ(frame_remember(&copy, &t.picture, &first, &last), 1);
    EXPECT_EQ(first, 3);
    EXPECT_EQ(last, 3);
    t.pixels[static_cast<std::size_t>(1) * t.picture.pitch] ^= 1;
    t.pixels[static_cast<std::size_t>(4) * t.picture.pitch + 8] ^= 1;
    EXPECT_EQ(frame_remember(&copy, &t.picture, &first, &last), 1);
    EXPECT_EQ(first, 1);
    EXPECT_EQ(last, 4);
    EXPECT_EQ(frame_remember(&copy, &t.picture, &first, &last), 0);
    EXPECT_EQ(first, -1);
    t.palette[200].peGreen ^= 1;
    EXPECT_EQ(frame_remember(&copy, &t.picture, &first, &last), 1)
        << "a palette change is a change";
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 4) << "of every row";
    EXPECT_EQ(frame_remember(&copy, &t.picture), 0);

    // The copy, drawn, gives the original's pixels.
    const VideoPicture kept = frame_picture(copy);
    std::vector<std::uint32_t> a(9 * 5 * 4), b(9 * 5 * 4);
    frame_convert_scaled(&t.picture, {0, 0, 18, 10}, a.data(), 18);
    frame_convert_scaled(&kept, {0, 0, 18, 10}, b.data(), 18);
    EXPECT_EQ(a, b);

    // Another size or depth is a change too.
    TestPicture wide = random_picture(random, 10, 5, 16);
    EXPECT_EQ(frame_remember(&copy, &wide.picture), 1);
    EXPECT_EQ(frame_picture(copy).palette, nullptr);
    EXPECT_EQ(frame_remember(&copy, &wide.picture), 0);
}
