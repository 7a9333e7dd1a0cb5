// Conversion of the screen's picture to 32-bit ARGB for presentation.
#include "platform/host/convert.h"
#include "platform/host/host.h"

#include <gtest/gtest.h>

#include <vector>

TEST(ConvertPicture, IndexedThroughThePaletteHonouringBothPitches) {
    HostColor palette[256] = {};
    palette[1] = {0x12, 0x34, 0x56, 1}; // flags do not show
    palette[255] = {255, 255, 255, 0};
    // Three pixels a row, rows 8 bytes apart; the padding holds values that must not show.
    std::vector<std::uint8_t> pixels = {1, 255, 0, 9, 9, 9, 9, 9, 255, 1, 1, 9, 9, 9, 9, 9};
    VideoPicture picture = {pixels.data(), 8, 3, 2, 8, palette};
    std::vector<std::uint32_t> out(5 * 2, 0xDEADBEEF);
    convert_picture_to_argb(&picture, out.data(), 5);
    EXPECT_EQ(0xFF123456u, out[0]);
    EXPECT_EQ(0xFFFFFFFFu, out[1]);
    EXPECT_EQ(0xFF000000u, out[2]);
    EXPECT_EQ(0xDEADBEEFu, out[3]); // beyond the width of the picture
    EXPECT_EQ(0xFFFFFFFFu, out[5]);
    EXPECT_EQ(0xFF123456u, out[7]);
}

TEST(ConvertPicture, PackedLayoutsExpandEachChannelToFullRange) {
    std::vector<std::uint16_t> pixels565 = {0xFFFF, 0xF800, 0x07E0, 0x001F, 0x0000, 0x0821};
    VideoPicture picture = {
        reinterpret_cast<const std::uint8_t*>(pixels565.data()), 12, 6, 1, 16, nullptr};
    std::vector<std::uint32_t> out(6);
    convert_picture_to_argb(&picture, out.data(), 6);
    EXPECT_EQ(0xFFFFFFFFu, out[0]);
    EXPECT_EQ(0xFFFF0000u, out[1]);
    EXPECT_EQ(0xFF00FF00u, out[2]);
    EXPECT_EQ(0xFF0000FFu, out[3]);
    EXPECT_EQ(0xFF000000u, out[4]);
    EXPECT_EQ(0xFF080408u, out[5]); // the lowest step of each channel

    std::vector<std::uint16_t> pixels555 = {0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x8000};
    picture = {reinterpret_cast<const std::uint8_t*>(pixels555.data()), 10, 5, 1, 15, nullptr};
    convert_picture_to_argb(&picture, out.data(), 6);
    EXPECT_EQ(0xFFFFFFFFu, out[0]);
    EXPECT_EQ(0xFFFF0000u, out[1]);
    EXPECT_EQ(0xFF00FF00u, out[2]);
    EXPECT_EQ(0xFF0000FFu, out[3]);
    EXPECT_EQ(0xFF000000u, out[4]); // the unused top bit shows nothing
}

TEST(ConvertPicture, NonsenseDescriptionsWriteNothing) {
    std::vector<std::uint8_t> pixels(64, 1);
    HostColor palette[256] = {};
    std::vector<std::uint32_t> out(64, 7);
    VideoPicture no_palette = {pixels.data(), 8, 8, 8, 8, nullptr};
    convert_picture_to_argb(&no_palette, out.data(), 8);
    VideoPicture short_pitch = {pixels.data(), 4, 8, 8, 8, palette};
    convert_picture_to_argb(&short_pitch, out.data(), 8);
    VideoPicture odd_depth = {pixels.data(), 32, 8, 2, 24, nullptr};
    convert_picture_to_argb(&odd_depth, out.data(), 8);
    VideoPicture fine = {pixels.data(), 8, 8, 8, 8, palette};
    convert_picture_to_argb(&fine, out.data(), 4); // output rows narrower than the picture
    convert_picture_to_argb(nullptr, out.data(), 8);
    EXPECT_EQ(std::vector<std::uint32_t>(64, 7), out);
}
