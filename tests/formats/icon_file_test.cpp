// Icon and cursor files: random pictures of every row padding come back whole through an
// independent reader, with clear pixels in the mask and black behind them; impossible
// requests make nothing.
#include "formats/icon_encode.h"
#include "support/icon_probe.h"

#include <gtest/gtest.h>

#include <random>

namespace {

constexpr std::uint8_t CLEAR = 253;

std::array<PaletteEntry, 256> random_colours(std::mt19937& random) {
    std::array<PaletteEntry, 256> colours{};
    for (PaletteEntry& c : colours)
        c = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
             static_cast<std::uint8_t>(random()), 0};
    return colours;
}

} // namespace

TEST(IconFiles, RandomPicturesReadBackWithTheirMaskAndHotSpot) {
    std::mt19937 random(2005);
    for (int trial = 0; trial < 60; ++trial) {
        const bool cursor = trial % 2 == 1;
        const int count = 1 + static_cast<int>(random() % 3);
        const std::array<PaletteEntry, 256> colours = random_colours(random);
        std::vector<std::vector<std::uint8_t>> pixels(count);
        std::vector<IconImage> images(count);
        for (int i = 0; i < count; ++i) {
            // Sides up to 70 cross every padding of the colour rows and of the mask's words;
            // now and then the largest side, which the directory writes as 0.
            const int width =
                random() % 9 == 0 ? ICON_MAX_SIDE : 1 + static_cast<int>(random() % 70);
            const int height = 1 + static_cast<int>(random() % 40);
            pixels[i].resize(static_cast<std::size_t>(width) * height);
            for (std::uint8_t& p : pixels[i])
                p = random() % 4 == 0 ? CLEAR : static_cast<std::uint8_t>(random());
            images[i] = {width, height, pixels[i].data(), static_cast<int>(random() % width),
                         static_cast<int>(random() % height)};
        }
        SCOPED_TRACE(trial);
        const std::vector<std::uint8_t> bytes =
            cursor ? cursor_file_encode(images.data(), count, colours.data(), CLEAR)
                   : icon_file_encode(images.data(), count, colours.data(), CLEAR);
        const ProbedIcon read = probe_icon(bytes);
        ASSERT_TRUE(read.ok) << read.error;
        EXPECT_EQ(read.type, cursor ? 2 : 1);
        ASSERT_EQ(read.images.size(), static_cast<std::size_t>(count));
        for (int i = 0; i < count; ++i) {
            const ProbedIconImage& got = read.images[i];
            EXPECT_EQ(got.width, images[i].width);
            EXPECT_EQ(got.height, images[i].height);
            EXPECT_EQ(got.field4, cursor ? images[i].hot_x : 1);
            EXPECT_EQ(got.field6, cursor ? images[i].hot_y : 8);
            EXPECT_EQ(got.indices, pixels[i]);
            for (std::size_t p = 0; p < pixels[i].size(); ++p)
                ASSERT_EQ(got.clear[p], pixels[i][p] == CLEAR) << p;
            for (int c = 0; c < 256; ++c) {
                // Behind a clear pixel the colour must be black, or it tints the screen.
                const std::array<int, 3> want =
                    c == CLEAR
                        ? std::array<int, 3>{0, 0, 0}
                        : std::array<int, 3>{colours[c].red, colours[c].green, colours[c].blue};
                ASSERT_EQ(got.table[c], want) << c;
            }
        }
    }
}

TEST(IconFiles, NothingIsMadeOfImpossibleRequests) {
    const std::array<PaletteEntry, 256> colours{};
    static const std::uint8_t pixels[257 * 4] = {};
    struct Case {
        const char* what;
        IconImage image;
        bool cursor;
    };
    const Case cases[] = {
        {"no pixels", {4, 4, nullptr, 0, 0}, false},
        {"width 0", {0, 4, pixels, 0, 0}, false},
        {"height -1", {4, -1, pixels, 0, 0}, false},
        {"width 257", {257, 4, pixels, 0, 0}, false},
        {"height 257", {4, 257, pixels, 0, 0}, true},
        {"hot spot right of the picture", {4, 4, pixels, 4, 0}, true},
        {"hot spot below the picture", {4, 4, pixels, 0, 4}, true},
        {"hot spot left of the picture", {4, 4, pixels, -1, 0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto encode = c.cursor ? cursor_file_encode : icon_file_encode;
        EXPECT_TRUE(encode(&c.image, 1, colours.data(), CLEAR).empty());
    }
    const IconImage fine = {4, 4, pixels, 9, 9}; // an icon's hot spot is not looked at
    EXPECT_FALSE(icon_file_encode(&fine, 1, colours.data(), CLEAR).empty());
    EXPECT_TRUE(icon_file_encode(&fine, 1, nullptr, CLEAR).empty());
    EXPECT_TRUE(icon_file_encode(nullptr, 1, colours.data(), CLEAR).empty());
    EXPECT_TRUE(icon_file_encode(&fine, 0, colours.data(), CLEAR).empty());
    const std::vector<IconImage> too_many(ICON_MAX_IMAGES + 1, fine);
    EXPECT_TRUE(
        icon_file_encode(too_many.data(), ICON_MAX_IMAGES + 1, colours.data(), CLEAR).empty());
    EXPECT_FALSE(icon_file_encode(too_many.data(), ICON_MAX_IMAGES, colours.data(), CLEAR).empty());
}
