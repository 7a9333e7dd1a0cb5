// The desktop's and the web's icons: PNG files that libpng reads back as the same pictures as
// the Windows icon's bitmaps, grown to any size; and the PNG writer's runs and refusals.
#include "art/tool/icon_art.h"
#include "art/tool/palette_design.h"
#include "formats/png_encode.h"
#include "bitmap_probe.h"

#include <gtest/gtest.h>
#include <png.h>

#include <random>

namespace {

struct Rgba {
    std::vector<std::uint8_t> bytes;
    int width = 0;
    int height = 0;
};

Rgba decode(const std::vector<std::uint8_t>& file) {
    png_image image = {};
    image.version = PNG_IMAGE_VERSION;
    Rgba out;
    if (!png_image_begin_read_from_memory(&image, file.data(), file.size())) return out;
    image.format = PNG_FORMAT_RGBA;
    std::vector<std::uint8_t> bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, bytes.data(), 0, nullptr)) return out;
    out = {std::move(bytes), static_cast<int>(image.width), static_cast<int>(image.height)};
    return out;
}

// Every pixel decoded as the palette's colour of its index, and clear exactly where the
// index is the transparent one.
void expect_same_picture(const Rgba& png, const std::vector<std::uint8_t>& indices, int width,
                         const GamePalette& palette, int transparent) {
    ASSERT_EQ(png.bytes.size(), indices.size() * 4);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const std::uint8_t* p = &png.bytes[i * 4];
        const PaletteEntry& c = palette[indices[i]];
        const bool clear = indices[i] == transparent;
        ASSERT_EQ(p[3], clear ? 0 : 255) << "at " << i % width << ", " << i / width;
        if (!clear) {
            ASSERT_TRUE(p[0] == c.red && p[1] == c.green && p[2] == c.blue)
                << "at " << i % width << ", " << i / width;
        }
    }
}

} // namespace

TEST(IconPng, EverySizeShowsTheWindowsIconsPictureGrown) {
    std::string error;
    PixelGrids grids;
    for (const char* name : {"player.grid", "block.grid", "icons.grid"}) {
        PixelGrids part;
        ASSERT_TRUE(load_pixel_grids(std::string(ART_SOURCES) + "/" + name, part, error)) << error;
        for (NamedGrid& g : part.grids)
            grids.grids.push_back(std::move(g));
    }
    const GamePalette palette = build_game_palette();
    for (int size : {16, 24, 32, 48, 64, 192, 256, 512}) {
        SCOPED_TRACE(size);
        // The bitmaps the Windows icon is made of, rendered by the build beside the tests.
        const ProbedBitmap bmp = probe_bitmap(size < 32 ? "icon101_16.bmp" : "icon101_32.bmp");
        ASSERT_TRUE(bmp.ok) << bmp.error;
        Canvas icon;
        ASSERT_TRUE(build_icon_sized(grids, size, icon, error)) << error;
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                ASSERT_EQ(icon.pixels[y * size + x],
                          bmp.at(x * bmp.width / size, y * bmp.height / size))
                    << x << ", " << y;
        const Rgba png = decode(
            png_file_encode(size, size, icon.pixels.data(), palette.data(), COLOUR_TRANSPARENT));
        ASSERT_EQ(png.width, size);
        expect_same_picture(png, icon.pixels, size, palette, COLOUR_TRANSPARENT);
    }
    for (int size : {0, -16, ICON_ART_MAX_SIDE + 1}) {
        Canvas icon;
        EXPECT_FALSE(build_icon_sized(grids, size, icon, error)) << size;
    }
}

// Noise, runs longer than one copy can carry, and flat rows, each read back exactly.
TEST(IconPng, PicturesOfAnyContentReadBack) {
    GamePalette palette = build_game_palette();
    std::mt19937 random(7);
    struct Case {
        int width, height, transparent;
        bool noise;
    };
    for (const Case& c : {Case{1, 1, 300, false}, Case{37, 23, 255, true}, Case{600, 3, 0, false},
                          Case{5, 700, 300, true}, Case{259, 2, 9, false}}) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(c.width) * c.height);
        for (std::size_t i = 0; i < indices.size(); ++i)
            indices[i] = static_cast<std::uint8_t>(c.noise ? random() : i / 301 % 3 * 4);
        const Rgba png = decode(
            png_file_encode(c.width, c.height, indices.data(), palette.data(), c.transparent));
        ASSERT_EQ(png.width, c.width);
        ASSERT_EQ(png.height, c.height);
        expect_same_picture(png, indices, c.width, palette, c.transparent);
    }
    const std::uint8_t pixel = 0;
    EXPECT_TRUE(png_file_encode(0, 1, &pixel, palette.data(), 300).empty());
    EXPECT_TRUE(png_file_encode(1, PNG_MAX_SIDE + 1, &pixel, palette.data(), 300).empty());
    EXPECT_TRUE(png_file_encode(1, 1, nullptr, palette.data(), 300).empty());
    EXPECT_TRUE(png_file_encode(1, 1, &pixel, nullptr, 300).empty());
}
