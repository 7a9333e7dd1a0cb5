// Still images: creation, cutting by cell and by pixel, drawing opaque and transparent at
// both depths, copying rectangles, and refusing rectangles that leave either picture.
#include "engine/image/bitmap_image.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

// A BitmapFile record holding a picture whose pixel (x, y) is x + 100 * y (low byte at 8 bits,
// the whole word at 16), as the reader leaves one: packed, top row first.
struct SheetFile {
    BitmapFile bitmap{};
    std::vector<std::uint8_t> storage;
    SheetFile(std::int32_t width, std::int32_t height, std::int32_t bits) {
        storage.resize(static_cast<std::size_t>(width) * height * (bits / 8));
        for (std::int32_t y = 0; y < height; ++y) {
            for (std::int32_t x = 0; x < width; ++x) {
                const int value = x + 100 * y;
                if (bits == 8) {
                    storage[y * width + x] = static_cast<std::uint8_t>(value);
                } else {
                    const auto word = static_cast<std::uint16_t>(value);
                    std::memcpy(&storage[(y * width + x) * 2], &word, 2);
                }
            }
        }
        bitmap.info_header.biWidth = width;
        bitmap.info_header.biHeight = height;
        bitmap.info_header.biBitCount = static_cast<WORD>(bits);
        bitmap.pixels = storage.data();
    }
};

std::uint8_t byte_of(int x, int y) {
    return static_cast<std::uint8_t>(x + 100 * y);
}

std::uint16_t word_at(const BitmapImage& image, int x, int y) {
    std::uint16_t word;
    std::memcpy(&word, image.pixels + (y * image.width + x) * 2, 2);
    return word;
}

struct ImageGuard {
    BitmapImage image{};
    ~ImageGuard() { image_destroy(&image); }
};

} // namespace

TEST(BitmapImage, CreateZeroFillsAndDestroyZeroesTheRecord) {
    BitmapImage image{};
    ASSERT_EQ(1, image_create(&image, 3, 4, 5, 6, 16));
    EXPECT_EQ(1, image.active);
    EXPECT_EQ(0u, image.attributes);
    EXPECT_EQ(60, image.byte_count);
    EXPECT_EQ(3, image.x);
    EXPECT_EQ(4, image.y);
    for (int i = 0; i < image.byte_count; ++i)
        ASSERT_EQ(0, image.pixels[i]);
    // Not yet cut, so not drawable.
    std::uint16_t dest[64] = {};
    EXPECT_EQ(0, image_draw16(&image, dest, 16, 0));
    EXPECT_EQ(1, image_destroy(&image));
    const BitmapImage zero{};
    EXPECT_EQ(0, std::memcmp(&zero, &image, sizeof image));
    EXPECT_EQ(0, image_destroy(&image));
    EXPECT_EQ(0, image_destroy(nullptr));
}

TEST(BitmapImage, CreateRefusesSizesAndDepthsItCannotHold) {
    BitmapImage image{};
    EXPECT_EQ(0, image_create(&image, 0, 0, 0, 4, 8));
    EXPECT_EQ(0, image_create(&image, 0, 0, 4, -1, 8));
    EXPECT_EQ(0, image_create(&image, 0, 0, 4, 4, 24));
    EXPECT_EQ(0, image_create(&image, 0, 0, 65536, 65536, 8)); // byte count overflows
    EXPECT_EQ(0, image_create(nullptr, 0, 0, 4, 4, 8));
    EXPECT_EQ(nullptr, image.pixels);
    EXPECT_EQ(0, image.active);
}

TEST(BitmapImage, CutsTakeCellsAndAbsolutePositions) {
    SheetFile sheet(80, 70, 8);
    ImageGuard guard;
    BitmapImage& image = guard.image;
    ASSERT_EQ(1, image_create(&image, 0, 0, 24, 32, 8));
    // Cell (0, 0) starts at (1, 1), cell (2, 1) at (51, 34), absolute (5, 7) at (5, 7).
    const struct {
        int cx, cy, mode, x, y;
    } cuts[] = {{0, 0, 0, 1, 1}, {2, 1, 0, 51, 34}, {5, 7, 1, 5, 7}, {5, 7, 2, 5, 7}};
    for (const auto& cut : cuts) {
        ASSERT_EQ(1, image_cut(&image, &sheet.bitmap, cut.cx, cut.cy, cut.mode));
        EXPECT_EQ(IMAGE_HAS_PIXELS, image.attributes);
        EXPECT_EQ(byte_of(cut.x, cut.y), image.pixels[0]);
        EXPECT_EQ(byte_of(cut.x + 23, cut.y + 31), image.pixels[24 * 32 - 1]);
    }
}

TEST(BitmapImage, SixteenBitCutsCopyWholeWords) {
    SheetFile sheet(60, 40, 16);
    ImageGuard guard;
    ASSERT_EQ(1, image_create(&guard.image, 0, 0, 8, 8, 16));
    ASSERT_EQ(1, image_cut16(&guard.image, &sheet.bitmap, 1, 2, 0)); // starts at (10, 19)
    EXPECT_EQ(10 + 100 * 19, word_at(guard.image, 0, 0));
    EXPECT_EQ(17 + 100 * 26, word_at(guard.image, 7, 7));
}

TEST(BitmapImage, CutsRefuseRectanglesOutsideThePictureAndRecordsWithoutPixels) {
    SheetFile sheet(80, 70, 8);
    ImageGuard guard;
    BitmapImage& image = guard.image;
    ASSERT_EQ(1, image_create(&image, 0, 0, 24, 32, 8));
    std::memset(image.pixels, 0xCC, static_cast<std::size_t>(image.byte_count));
    // Cell 3 would end at column 100, absolute x 57 at 81, y 39 at row 71; negatives start
    // before the picture; a huge cell index must not wrap round into it.
    EXPECT_EQ(0, image_cut(&image, &sheet.bitmap, 3, 0, 0));
    EXPECT_EQ(0, image_cut(&image, &sheet.bitmap, 57, 0, 1));
    EXPECT_EQ(0, image_cut(&image, &sheet.bitmap, 0, 39, 1));
    EXPECT_EQ(0, image_cut(&image, &sheet.bitmap, -1, 0, 1));
    EXPECT_EQ(0, image_cut(&image, &sheet.bitmap, 0, -1, 0));
    EXPECT_EQ(0, image_cut(&image, &sheet.bitmap, 0x7FFFFFFF, 0, 0));
    EXPECT_EQ(0, image_cut16(&image, &sheet.bitmap, 0, 0, 0)); // 8-bit picture
    EXPECT_EQ(0, image_cut(&image, nullptr, 0, 0, 0));
    EXPECT_EQ(0, image_cut(nullptr, &sheet.bitmap, 0, 0, 0));
    BitmapFile empty = sheet.bitmap;
    empty.pixels = nullptr;
    EXPECT_EQ(0, image_cut(&image, &empty, 0, 0, 0));
    EXPECT_EQ(0u, image.attributes);
    EXPECT_EQ(0xCC, image.pixels[0]);
    // The last cell that fits: 56 + 24 = 80 columns, 38 + 32 = 70 rows.
    EXPECT_EQ(1, image_cut(&image, &sheet.bitmap, 56, 38, 1));
    // A record that gives no depth is taken as 8 bits.
    sheet.bitmap.info_header.biBitCount = 0;
    EXPECT_EQ(1, image_cut(&image, &sheet.bitmap, 0, 0, 0));
    EXPECT_EQ(0, image_cut16(&image, &sheet.bitmap, 0, 0, 0));
}

TEST(BitmapImage, DrawsOpaqueOrLeavingOutZeroAtTheImagePosition) {
    SheetFile sheet(4, 1, 8);
    sheet.storage = {0, 7, 0, 9};
    ImageGuard guard;
    BitmapImage& image = guard.image;
    ASSERT_EQ(1, image_create(&image, 2, 1, 4, 1, 8));
    ASSERT_EQ(1, image_cut(&image, &sheet.bitmap, 0, 0, 1));
    // A destination of 3 rows with a pitch of 10 bytes.
    std::vector<std::uint8_t> dest(30, 1);
    ASSERT_EQ(1, image_draw(&image, dest.data(), 10, 1));
    EXPECT_EQ((std::vector<std::uint8_t>{1, 1, 1, 7, 1, 9}),
              std::vector<std::uint8_t>(dest.begin() + 10, dest.begin() + 16));
    ASSERT_EQ(1, image_draw(&image, dest.data(), 10, 0));
    EXPECT_EQ((std::vector<std::uint8_t>{1, 1, 0, 7, 0, 9, 1}),
              std::vector<std::uint8_t>(dest.begin() + 10, dest.begin() + 17));
    // Rows other than row 1 are untouched.
    EXPECT_EQ(std::vector<std::uint8_t>(10, 1),
              std::vector<std::uint8_t>(dest.begin(), dest.begin() + 10));
    EXPECT_EQ(std::vector<std::uint8_t>(10, 1),
              std::vector<std::uint8_t>(dest.begin() + 20, dest.end()));
    EXPECT_EQ(0, image_draw(&image, nullptr, 10, 0));
    EXPECT_EQ(0, image_draw(nullptr, dest.data(), 10, 0));
}

TEST(BitmapImage, SixteenBitDrawRoundsAnOddPitchDownToWholePixels) {
    SheetFile sheet(2, 2, 16);
    ImageGuard guard;
    BitmapImage& image = guard.image;
    ASSERT_EQ(1, image_create(&image, 1, 1, 2, 2, 16));
    ASSERT_EQ(1, image_cut16(&image, &sheet.bitmap, 0, 0, 1));
    // A pitch of 1281 bytes steps 640 pixels per row.
    std::vector<std::uint16_t> dest(640 * 3, 0xAAAA);
    ASSERT_EQ(1, image_draw16(&image, dest.data(), 1281, 0));
    EXPECT_EQ(0, dest[640 + 1]);
    EXPECT_EQ(1, dest[640 + 2]);
    EXPECT_EQ(100, dest[1280 + 1]);
    EXPECT_EQ(101, dest[1280 + 2]);
    EXPECT_EQ(0xAAAA, dest[1280 + 3]);
    // Transparent: the word 0 at (0, 0) is left out.
    std::fill(dest.begin(), dest.end(), 0xAAAA);
    ASSERT_EQ(1, image_draw16(&image, dest.data(), 1281, 1));
    EXPECT_EQ(0xAAAA, dest[640 + 1]);
    EXPECT_EQ(1, dest[640 + 2]);
    // An 8-bit draw of a 16-bit image is refused.
    EXPECT_EQ(0, image_draw(&image, reinterpret_cast<std::uint8_t*>(dest.data()), 1280, 0));
}

TEST(BitmapImage, CopyRectMovesPixelsBetweenImagesAndRefusesRectanglesOutsideEither) {
    SheetFile sheet(10, 10, 8);
    ImageGuard source_guard, dest_guard;
    BitmapImage& source = source_guard.image;
    BitmapImage& dest = dest_guard.image;
    ASSERT_EQ(1, image_create(&source, 0, 0, 10, 10, 8));
    ASSERT_EQ(1, image_cut(&source, &sheet.bitmap, 0, 0, 1));
    ASSERT_EQ(1, image_create(&dest, 0, 0, 4, 3, 8));
    ASSERT_EQ(1, image_copy_rect(&dest, 1, 1, &source, 5, 6, 3, 2));
    EXPECT_EQ(0, dest.pixels[0]);
    EXPECT_EQ(byte_of(5, 6), dest.pixels[4 + 1]);
    EXPECT_EQ(byte_of(7, 6), dest.pixels[4 + 3]);
    EXPECT_EQ(byte_of(7, 7), dest.pixels[8 + 3]);
    EXPECT_EQ(0u, dest.attributes);
    const std::vector<std::uint8_t> before(dest.pixels, dest.pixels + dest.byte_count);
    EXPECT_EQ(0, image_copy_rect(&dest, 2, 0, &source, 0, 0, 3, 1)); // leaves dest
    EXPECT_EQ(0, image_copy_rect(&dest, 0, 0, &source, 8, 0, 3, 1)); // leaves source
    EXPECT_EQ(0, image_copy_rect(&dest, 0, 0, &source, 0, 9, 1, 2));
    EXPECT_EQ(0, image_copy_rect(&dest, -1, 0, &source, 0, 0, 1, 1));
    EXPECT_EQ(0, image_copy_rect(&dest, 0, 0, &source, 0, 0, -1, 1));
    EXPECT_EQ(0, image_copy_rect(&dest, 0, 0, &source, 0x7FFFFFFF, 0, 2, 1));
    EXPECT_EQ(0, image_copy_rect(nullptr, 0, 0, &source, 0, 0, 1, 1));
    EXPECT_EQ(0, image_copy_rect(&dest, 0, 0, nullptr, 0, 0, 1, 1));
    EXPECT_EQ(before, std::vector<std::uint8_t>(dest.pixels, dest.pixels + dest.byte_count));
}

TEST(BitmapImage, CopyRectWithinOneImageToleratesOverlap) {
    SheetFile sheet(6, 6, 8);
    ImageGuard guard;
    BitmapImage& image = guard.image;
    ASSERT_EQ(1, image_create(&image, 0, 0, 6, 6, 8));
    ASSERT_EQ(1, image_cut(&image, &sheet.bitmap, 0, 0, 1));
    // Down and right by one: every pixel of the 4 x 4 block must come from the original.
    ASSERT_EQ(1, image_copy_rect(&image, 1, 1, &image, 0, 0, 4, 4));
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x)
            ASSERT_EQ(byte_of(x, y), image.pixels[(y + 1) * 6 + x + 1]);
    }
}
