// PNG pictures of every colour type and depth, written by ImageMagick from pixels this test
// lays out itself, read back pixel for pixel; and true-colour pictures cut at 8 bits.
#include "bmp_builder.h"

#include "engine/display/display_context.h"
#include "engine/image/bitmap_file.h"
#include "engine/image/bitmap_image.h"
#include "engine/image/picture_colours.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

constexpr int W = 7, H = 5; // odd sizes, so packed bits and interlace passes end mid-byte

struct Rgba {
    std::uint8_t r, g, b, a;
};

// Pixel (x, y) takes colour (x + 3y) mod `count`; colours 1 and 2 are clear when asked,
// colour 2 only half so in grey pictures.
Rgba known(int x, int y, int count, bool clear, bool grey) {
    const int i = (x + 3 * y) % count;
    Rgba c = {static_cast<std::uint8_t>(37 * i), static_cast<std::uint8_t>(91 * i + 40),
              static_cast<std::uint8_t>(153 * i + 7), 255};
    if (grey) c.g = c.b = c.r;
    if (clear && (i == 1 || i == 2)) c.a = grey && i == 2 ? 100 : 0;
    return c;
}

struct PngCase {
    const char* name;
    int count;
    bool clear;
    bool grey;
    const char* options; // ImageMagick's, before the output
    int colour_type;     // what the file must really be
    int depth;
    int interlace;
};

const PngCase CASES[] = {
    {"palette 1 bit", 2, false, false, "-define png:bit-depth=1 PNG8:", 3, 1, 0},
    {"palette 2 bits", 4, false, false, "-define png:bit-depth=2 PNG8:", 3, 2, 0},
    {"palette 4 bits", 16, false, false, "-define png:bit-depth=4 PNG8:", 3, 4, 0},
    {"palette 8 bits", 35, false, false, "PNG8:", 3, 8, 0},
    {"palette with transparency", 4, true, false, "PNG8:", 3, 8, 0},
    {"palette interlaced", 35, false, false, "-interlace PNG PNG8:", 3, 8, 1},
    {"grey", 35, false, true, "-define png:color-type=0 PNG:", 0, 8, 0},
    {"grey and alpha", 35, true, true, "-define png:color-type=4 PNG:", 4, 8, 0},
    {"RGB", 35, false, false, "PNG24:", 2, 8, 0},
    {"RGBA", 35, true, false, "PNG32:", 6, 8, 0},
    {"RGB 16 bits", 35, false, false, "PNG48:", 2, 16, 0},
    {"RGBA 16 bits interlaced", 35, true, false, "-interlace PNG PNG64:", 6, 16, 1},
};

std::string make_png(const PngCase& c) {
    std::string pam = "P7\nWIDTH 7\nHEIGHT 5\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n";
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x) {
            const Rgba p = known(x, y, c.count, c.clear, c.grey);
            pam += {static_cast<char>(p.r), static_cast<char>(p.g), static_cast<char>(p.b),
                    static_cast<char>(p.a)};
        }
    const std::string source = write_file("source.pam", Bytes(pam.begin(), pam.end()));
    const std::string path = test_folder() + "/picture.png";
    const std::string command = "convert " + source + " " + c.options + path + " >/dev/null 2>&1";
    EXPECT_EQ(0, std::system(command.c_str())) << command;
    return path;
}

// The header's colour type, depth and interlace method, so no case passes on another kind.
void expect_kind(const std::string& path, const PngCase& c) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(nullptr, file);
    std::uint8_t header[29] = {};
    ASSERT_EQ(sizeof header, std::fread(header, 1, sizeof header, file));
    std::fclose(file);
    EXPECT_EQ(c.depth, header[24]);
    EXPECT_EQ(c.colour_type, header[25]);
    EXPECT_EQ(c.interlace, header[28]);
}

} // namespace

TEST(PngRead, EveryColourTypeAndDepthGivesThePixelsItWasMadeOf) {
    if (std::system("command -v convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "no ImageMagick";
    const std::int32_t saved_format = pixel_format;
    pixel_format = 16;
    for (const PngCase& c : CASES) {
        SCOPED_TRACE(c.name);
        const std::string path = make_png(c);
        expect_kind(path, c);
        BitmapFile bitmap{};
        ASSERT_EQ(1, read_bitmap_file(&bitmap, path.c_str()));
        ASSERT_EQ(W, +bitmap.info_header.biWidth);
        ASSERT_EQ(H, +bitmap.info_header.biHeight);
        const bool indexed = c.colour_type == 3;
        EXPECT_EQ(indexed ? 8 : 16, +bitmap.info_header.biBitCount);
        // Colours are kept exactly where they carry something the pixels alone do not.
        EXPECT_EQ(!indexed || c.clear, bitmap.colours != nullptr);
        int wrong = 0;
        for (int i = 0; i < W * H; ++i) {
            const Rgba want = known(i % W, i / W, c.count, c.clear, c.grey);
            const PaletteEntry& entry = bitmap.palette[bitmap.pixels[i]];
            const std::uint8_t* got = bitmap.colours ? bitmap.colours + 4 * i : nullptr;
            if (got != nullptr) wrong += got[3] != want.a;
            if (want.a == 0) continue; // a clear pixel's colour is the writer's to choose
            if (indexed) {
                wrong += entry.red != want.r || entry.green != want.g || entry.blue != want.b;
            } else {
                wrong += got[0] != want.r || got[1] != want.g || got[2] != want.b;
                const std::uint8_t rgb[3] = {want.r, want.g, want.b};
                std::uint16_t word = 0;
                std::memcpy(&word, bitmap.pixels + 2 * i, 2);
                wrong += word != picture_word(rgb, 16);
            }
        }
        EXPECT_EQ(0, wrong);
        release_bitmap_file(&bitmap);
        EXPECT_EQ(nullptr, bitmap.colours);
    }
    pixel_format = saved_format;
}

// Cut at 8 bits, a true-colour picture's clear pixels become the key and every other pixel
// an entry at the least distance any entry but the key has; the key's own colour stays the key.
TEST(TrueColourAt8Bits, ClearPixelsTakeTheKeyAndTheRestTheirNearestColour) {
    std::srand(36);
    PaletteEntry saved[256];
    std::memcpy(saved, palette_entries, sizeof saved);
    for (int i = 0; i < 256; ++i)
        palette_entries[i] = {static_cast<std::uint8_t>(std::rand()),
                              static_cast<std::uint8_t>(std::rand()),
                              static_cast<std::uint8_t>(std::rand()), 0};
    constexpr int SIDE = 64, KEY = 0;
    BitmapFile bitmap{};
    bitmap.info_header.biWidth = SIDE;
    bitmap.info_header.biHeight = SIDE;
    bitmap.info_header.biBitCount = 16;
    bitmap.pixels = static_cast<std::uint8_t*>(std::calloc(SIDE * SIDE, 2));
    bitmap.colours = static_cast<std::uint8_t*>(std::malloc(SIDE * SIDE * 4));
    for (int i = 0; i < SIDE * SIDE; ++i) {
        std::uint8_t* p = bitmap.colours + 4 * i;
        for (int k = 0; k < 4; ++k)
            p[k] = static_cast<std::uint8_t>(std::rand());
        if (i % 17 == 0) std::memcpy(p, &palette_entries[KEY], 3), p[3] = 255;
        if (i % 13 == 0) std::memcpy(p, &palette_entries[i % 256], 3); // exact entries too
    }
    BitmapImage image{};
    ASSERT_EQ(1, image_create(&image, 0, 0, SIDE, SIDE, 8));
    ASSERT_EQ(1, image_cut(&image, &bitmap, 0, 0, 1));
    int wrong = 0;
    for (int i = 0; i < SIDE * SIDE; ++i) {
        const std::uint8_t* p = bitmap.colours + 4 * i;
        const std::uint8_t got = image.pixels[i];
        const bool keyed =
            p[3] < 128 || (p[0] == palette_entries[KEY].red && p[1] == palette_entries[KEY].green &&
                           p[2] == palette_entries[KEY].blue);
        if (keyed) {
            wrong += got != KEY;
            continue;
        }
        auto distance = [&](int e) {
            const int dr = palette_entries[e].red - p[0], dg = palette_entries[e].green - p[1],
                      db = palette_entries[e].blue - p[2];
            return dr * dr + dg * dg + db * db;
        };
        int best = 1 << 30;
        for (int e = 0; e < 256; ++e)
            if (e != KEY && distance(e) < best) best = distance(e);
        wrong += got == KEY || distance(got) != best;
    }
    EXPECT_EQ(0, wrong);
    image_destroy(&image);
    release_bitmap_file(&bitmap);
    std::memcpy(palette_entries, saved, sizeof saved);
}
