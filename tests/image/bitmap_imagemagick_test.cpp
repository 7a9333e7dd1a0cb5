// Bitmap files from another writer: pictures that ImageMagick makes are read pixel for pixel as
// SDL2's own loader reads them.
#include "bmp_builder.h"

#include "engine/display/display_context.h"
#include "engine/image/bitmap_file.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

bool have_convert() {
    return std::system("command -v convert >/dev/null 2>&1") == 0;
}

// Makes a picture with ImageMagick; `options` choose its depth and storage.
std::string make_picture(const std::string& name, const std::string& size,
                         const std::string& options) {
    const std::string path = test_folder() + "/" + name;
    const std::string command = "convert -size " + size + " -seed 7 plasma:fractal " + options +
                                " BMP3:" + path + " >/dev/null 2>&1";
    EXPECT_EQ(0, std::system(command.c_str())) << command;
    return path;
}

struct SdlPicture {
    SDL_Surface* surface;
    explicit SdlPicture(const std::string& path) : surface(SDL_LoadBMP(path.c_str())) {}
    ~SdlPicture() { SDL_FreeSurface(surface); }
    const std::uint8_t* pixel(int x, int y) const {
        return static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch +
               x * surface->format->BytesPerPixel;
    }
};

void expect_same_8bit(const std::string& path) {
    BitmapFile bitmap{};
    ASSERT_EQ(1, read_bitmap_file(&bitmap, path.c_str()));
    SdlPicture sdl(path);
    ASSERT_NE(nullptr, sdl.surface) << SDL_GetError();
    ASSERT_EQ(1, sdl.surface->format->BytesPerPixel);
    ASSERT_EQ(sdl.surface->w, +bitmap.info_header.biWidth);
    ASSERT_EQ(sdl.surface->h, +bitmap.info_header.biHeight);
    const SDL_Palette* palette = sdl.surface->format->palette;
    int mismatches = 0;
    for (int y = 0; y < sdl.surface->h; ++y) {
        for (int x = 0; x < sdl.surface->w; ++x) {
            const std::uint8_t index = bitmap.pixels[y * sdl.surface->w + x];
            mismatches += index != *sdl.pixel(x, y);
            ASSERT_LT(index, palette->ncolors);
            const SDL_Color colour = palette->colors[index];
            mismatches += colour.r != bitmap.palette[index].red ||
                          colour.g != bitmap.palette[index].green ||
                          colour.b != bitmap.palette[index].blue;
        }
    }
    EXPECT_EQ(0, mismatches);
    release_bitmap_file(&bitmap);
}

void expect_same_24bit(const std::string& path) {
    const std::int32_t saved_format = pixel_format;
    pixel_format = 16;
    BitmapFile bitmap{};
    ASSERT_EQ(1, read_bitmap_file(&bitmap, path.c_str()));
    pixel_format = saved_format;
    SdlPicture sdl(path);
    ASSERT_NE(nullptr, sdl.surface) << SDL_GetError();
    ASSERT_EQ(3, sdl.surface->format->BytesPerPixel);
    ASSERT_EQ(sdl.surface->w, +bitmap.info_header.biWidth);
    ASSERT_EQ(sdl.surface->h, +bitmap.info_header.biHeight);
    const auto* words = reinterpret_cast<const std::uint16_t*>(bitmap.pixels);
    int mismatches = 0;
    int distinct_red = 0;
    for (int y = 0; y < sdl.surface->h; ++y) {
        for (int x = 0; x < sdl.surface->w; ++x) {
            const std::uint8_t* p = sdl.pixel(x, y);
            const Uint32 value = static_cast<Uint32>(p[0]) | static_cast<Uint32>(p[1]) << 8 |
                                 static_cast<Uint32>(p[2]) << 16;
            Uint8 r, g, b;
            SDL_GetRGB(value, sdl.surface->format, &r, &g, &b);
            const auto expected =
                static_cast<std::uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | b >> 3);
            mismatches += words[y * sdl.surface->w + x] != expected;
            distinct_red += r != g;
        }
    }
    EXPECT_EQ(0, mismatches);
    EXPECT_GT(distinct_red, 0) << "the picture should hold colours, not only greys";
    release_bitmap_file(&bitmap);
}

} // namespace

TEST(ImageMagickBitmap, EightBitsWith256ColoursAndPaddedRowsReadAsSdlReadsThem) {
    if (!have_convert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    const std::string options = "-colors 256 -type Palette -compress None";
    // 37 bytes a row are stored as 40; 64 need no padding.
    expect_same_8bit(make_picture("odd8.bmp", "37x23", options));
    expect_same_8bit(make_picture("even8.bmp", "64x16", options));
}

TEST(ImageMagickBitmap, TwentyFourBitsWithPaddedRowsConvertAsSdlReadsThem) {
    if (!have_convert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    // 31 pixels of 3 bytes are stored as 96 bytes a row, 5 x 3 as 16.
    expect_same_24bit(make_picture("odd24.bmp", "31x17", "-type TrueColor"));
    expect_same_24bit(make_picture("tiny24.bmp", "5x3", "-type TrueColor"));
}

TEST(ImageMagickBitmap, RunLengthCompressedOutputIsRefused) {
    if (!have_convert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    // ImageMagick compresses 8-bit files unless told otherwise.
    const std::string path =
        make_picture("rle8.bmp", "37x23", "-colors 256 -type Palette -compress RLE");
    BitmapFile bitmap{};
    EXPECT_EQ(0, read_bitmap_file(&bitmap, path.c_str()));
    EXPECT_EQ(BI_RLE8, +bitmap.info_header.biCompression);
    EXPECT_EQ(nullptr, bitmap.pixels);
}

TEST(ImageMagickBitmap, FourBitAndOneBitOutputReadsAsSdlReadsIt) {
    if (!have_convert()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    // Few colours make ImageMagick write 4 or 1 bits a pixel whatever depth is asked for.
    expect_same_8bit(make_picture("four.bmp", "13x7", "-colors 3 -type Palette -compress None"));
    expect_same_8bit(make_picture("one.bmp", "19x5", "-monochrome -compress None"));
}
