// Every artwork file is present, is an 8-bit bitmap the game's reader takes as it
// stands, and shares the one palette that "PALDATA2.PAL" also holds.

#include "art/tool/palette_design.h"
#include "bitmap_probe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

struct Expected {
    const char* name;
    int min_width, min_height, max_width, max_height;
};

const Expected FILES[] = {
    {"menubackground1.bmp", 640, 480, 640, 480}, {"menubackground2.bmp", 640, 480, 640, 480},
    {"menubackground3.bmp", 640, 480, 640, 480}, {"menubackground4.bmp", 640, 480, 640, 480},
    {"option2.bmp", 640, 480, 640, 480},         {"option3.bmp", 640, 480, 640, 480},
    {"gamebackground1.BMP", 640, 480, 640, 480}, {"pelkosprites.bmp", 125, 99, 512, 512},
    {"questionblock.bmp", 132, 33, 512, 512},    {"icon101_16.bmp", 16, 16, 16, 16},
    {"icon101_32.bmp", 32, 32, 32, 32},          {"cursor9.bmp", 32, 32, 32, 32},
};

// Files in which the transparent colour may appear: the sheets, icons and cursor.
bool may_hold_transparent(const std::string& name) {
    return name == "pelkosprites.bmp" || name == "questionblock.bmp" ||
           name.rfind("icon", 0) == 0 || name.rfind("cursor", 0) == 0;
}

std::string read_text(const char* path) {
    std::ifstream file(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
}

} // namespace

TEST(ArtFiles, EveryBitmapIsAnUnpaddedEightBitPictureOfItsSize) {
    for (const Expected& e : FILES) {
        SCOPED_TRACE(e.name);
        const ProbedBitmap bmp = probe_bitmap(e.name);
        ASSERT_TRUE(bmp.ok) << bmp.error;
        EXPECT_EQ(bmp.bits, 8);
        EXPECT_EQ(bmp.planes, 1);
        EXPECT_EQ(bmp.compression, 0u); // BI_RGB
        EXPECT_EQ(bmp.info_size, 40u);
        EXPECT_EQ(bmp.offset, 1078u);
        EXPECT_GE(bmp.width, e.min_width);
        EXPECT_GE(bmp.height, e.min_height);
        EXPECT_LE(bmp.width, e.max_width);
        EXPECT_LE(bmp.height, e.max_height);
        EXPECT_EQ(bmp.width % 4, 0) << "rows must need no padding";
        EXPECT_EQ(bmp.image_size, static_cast<std::uint32_t>(bmp.width * bmp.height));
        EXPECT_EQ(bmp.file_size, 1078u + bmp.image_size);
        EXPECT_EQ(bmp.file_size_field, bmp.file_size);
    }
}

TEST(ArtFiles, AllBitmapsShareThePaletteFile) {
    const std::string text = read_text("PALDATA2.PAL");
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.front(), '\n') << "the file begins with an empty line";
    EXPECT_NE(text.back(), '\n') << "no line break after the last entry";
    EXPECT_EQ(text.find('\r'), std::string::npos);

    std::istringstream in(text);
    std::array<ProbeColour, 256> palette{};
    for (int i = 0; i < 256; ++i) {
        int flags = -1;
        ASSERT_TRUE(in >> palette[i].red >> palette[i].green >> palette[i].blue >> flags) << i;
        EXPECT_EQ(flags, 0) << i;
        for (int v : {palette[i].red, palette[i].green, palette[i].blue}) {
            EXPECT_GE(v, 0);
            EXPECT_LE(v, 255);
        }
    }
    std::string rest;
    EXPECT_FALSE(in >> rest) << "exactly 256 entries";

    for (const Expected& e : FILES) {
        SCOPED_TRACE(e.name);
        const ProbedBitmap bmp = probe_bitmap(e.name);
        ASSERT_TRUE(bmp.ok) << bmp.error;
        EXPECT_EQ(bmp.palette, palette);
        for (int r : bmp.reserved)
            ASSERT_EQ(r, 0);
    }
}

TEST(ArtFiles, ReservedColoursAreDistinct) {
    const ProbedBitmap bmp = probe_bitmap("gamebackground1.BMP");
    ASSERT_TRUE(bmp.ok) << bmp.error;
    EXPECT_EQ(bmp.palette[COLOUR_BLACK], (ProbeColour{0, 0, 0}));
    // Nothing else may look like the ground or like the see-through colour.
    for (int i = 0; i < 256; ++i) {
        if (i != COLOUR_GROUND) {
            EXPECT_NE(bmp.palette[i], bmp.palette[COLOUR_GROUND]) << i;
        }
        if (i != COLOUR_TRANSPARENT) {
            EXPECT_NE(bmp.palette[i], bmp.palette[COLOUR_TRANSPARENT]) << i;
        }
    }
}

TEST(ArtFiles, GroundAndTransparentColoursOnlyWhereTheyBelong) {
    for (const Expected& e : FILES) {
        SCOPED_TRACE(e.name);
        const ProbedBitmap bmp = probe_bitmap(e.name);
        ASSERT_TRUE(bmp.ok) << bmp.error;
        const int ground = count_colours(bmp, 0, 0, bmp.width - 1, bmp.height - 1, {COLOUR_GROUND});
        const int clear =
            count_colours(bmp, 0, 0, bmp.width - 1, bmp.height - 1, {COLOUR_TRANSPARENT});
        if (std::string(e.name) == "gamebackground1.BMP") {
            EXPECT_GT(ground, 0);
        } else {
            EXPECT_EQ(ground, 0);
        }
        if (may_hold_transparent(e.name)) {
            EXPECT_GT(clear, 0);
        } else {
            EXPECT_EQ(clear, 0);
        }
    }
}

TEST(ArtFiles, ScreensAreRealPicturesNotFlatFills) {
    for (const char* name :
         {"menubackground1.bmp", "option2.bmp", "option3.bmp", "gamebackground1.BMP"}) {
        SCOPED_TRACE(name);
        const ProbedBitmap bmp = probe_bitmap(name);
        ASSERT_TRUE(bmp.ok) << bmp.error;
        std::array<int, 256> used{};
        for (std::uint8_t p : bmp.pixels)
            used[p] = 1;
        int distinct = 0;
        for (int u : used)
            distinct += u;
        EXPECT_GE(distinct, 24);
    }
    const ProbedBitmap help = probe_bitmap("option2.bmp");
    const ProbedBitmap about = probe_bitmap("option3.bmp");
    ASSERT_TRUE(help.ok && about.ok);
    EXPECT_NE(help.pixels, about.pixels);
}
