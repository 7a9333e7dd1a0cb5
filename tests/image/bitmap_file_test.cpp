// Reading well-formed bitmap files: colour table, row order, depths, padding, orientation,
// releasing and rereading into the same record.
#include "bmp_builder.h"

#include "engine/display/display_context.h"
#include "engine/image/bitmap_file.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

struct BitmapFileTest : ::testing::Test {
    BitmapFile bitmap{};
    void TearDown() override { release_bitmap_file(&bitmap); }

    std::vector<std::uint16_t> words() const {
        const auto count = static_cast<std::size_t>(bitmap.info_header.biWidth) *
                           static_cast<std::size_t>(bitmap.info_header.biHeight);
        std::vector<std::uint16_t> out(count);
        std::memcpy(out.data(), bitmap.pixels, count * 2);
        return out;
    }
};

Bytes two_row_8bit() {
    // Four pixels a row: no padding. Row B is the top row.
    return bmp_file(4, 2, 8, stored_rows({{20, 21, 22, 23}, {10, 11, 12, 13}}));
}

} // namespace

TEST_F(BitmapFileTest, EightBitTableBecomesRedGreenBlueWithNoCollapseFlags) {
    Bytes file = two_row_8bit();
    // Entry 5 as the format stores it: blue 10, green 20, red 30, reserved 0.
    file[54 + 5 * 4] = 10;
    file[54 + 5 * 4 + 1] = 20;
    file[54 + 5 * 4 + 2] = 30;
    file[54 + 5 * 4 + 3] = 0;
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("table.bmp", file).c_str()));
    EXPECT_EQ(30, bitmap.palette[5].red);
    EXPECT_EQ(20, bitmap.palette[5].green);
    EXPECT_EQ(10, bitmap.palette[5].blue);
    for (int i = 0; i < 256; ++i) {
        ASSERT_EQ(PC_NOCOLLAPSE, bitmap.palette[i].flags) << i;
        if (i != 5) {
            ASSERT_EQ(i / 2, bitmap.palette[i].red) << i;
        }
    }
}

TEST_F(BitmapFileTest, RowsComeUpTopRowFirstAndHeadersAreKeptAsRead) {
    const Bytes file = two_row_8bit();
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("rows.bmp", file).c_str()));
    const std::uint8_t expected[] = {20, 21, 22, 23, 10, 11, 12, 13};
    EXPECT_EQ(0, std::memcmp(expected, bitmap.pixels, sizeof expected));
    EXPECT_EQ(0, std::memcmp(file.data(), &bitmap.file_header, 14));
    EXPECT_EQ(0, std::memcmp(file.data() + 14, &bitmap.info_header, 40));
}

TEST_F(BitmapFileTest, SixteenBitWordsAreKeptUnchangedOnlyRowsTurn) {
    // Three pixels of 2 bytes: rows of 6 bytes padded to 8 in the file, packed in memory.
    auto row = [](std::uint16_t a, std::uint16_t b, std::uint16_t c) {
        return Bytes{static_cast<std::uint8_t>(a), static_cast<std::uint8_t>(a >> 8),
                     static_cast<std::uint8_t>(b), static_cast<std::uint8_t>(b >> 8),
                     static_cast<std::uint8_t>(c), static_cast<std::uint8_t>(c >> 8)};
    };
    const Bytes file = bmp_file(3, 2, 16, stored_rows({row(0x1234, 0xFFFF, 0x8001), row(1, 2, 3)}));
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("words.bmp", file).c_str()));
    EXPECT_EQ(16, +bitmap.info_header.biBitCount);
    EXPECT_EQ((std::vector<std::uint16_t>{0x1234, 0xFFFF, 0x8001, 1, 2, 3}), words());
}

TEST_F(BitmapFileTest, SixteenBitFilesWithColourMasksAreReadAsWords) {
    // A mask-based file stores three 32-bit masks between the header and the rows.
    Bytes data = {0x1F, 0x00, 0xE0, 0x07, 0x00, 0xF8, 0x00, 0x00};
    Bytes file = bmp_file(2, 1, 16, data);
    put32(file, BI_COMPRESSION, BI_BITFIELDS);
    const std::uint32_t masks[] = {0xF800, 0x07E0, 0x001F};
    file.insert(file.begin() + 54, reinterpret_cast<const std::uint8_t*>(masks),
                reinterpret_cast<const std::uint8_t*>(masks) + 12);
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("masks.bmp", file).c_str()));
    EXPECT_EQ((std::vector<std::uint16_t>{0x001F, 0x07E0}), words());
}

TEST_F(BitmapFileTest, TwentyFourBitPixelsPackIntoTheDisplayLayout) {
    const std::int32_t saved_format = pixel_format;
    // White, red, green, blue and black as the file stores them (blue, green, red), over a
    // row of one dim pixel and black: rows of 15 bytes, padded to 16, must turn upright.
    const Bytes top = {255, 255, 255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 0, 0, 0};
    const Bytes bottom = {8, 4, 8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    const Bytes file = bmp_file(5, 2, 24, stored_rows({top, bottom}));
    const std::string path = write_file("rgb.bmp", file);

    pixel_format = 16;
    ASSERT_EQ(1, read_bitmap_file(&bitmap, path.c_str()));
    EXPECT_EQ(16, +bitmap.info_header.biBitCount);
    EXPECT_EQ(5, +bitmap.info_header.biWidth);
    EXPECT_EQ((std::vector<std::uint16_t>{0xFFFF, 0xF800, 0x07E0, 0x001F, 0, 0x0821, 0, 0, 0, 0}),
              words());

    pixel_format = 15;
    ASSERT_EQ(1, read_bitmap_file(&bitmap, path.c_str()));
    EXPECT_EQ((std::vector<std::uint16_t>{0x7FFF, 0x7C00, 0x03E0, 0x001F, 0, 0x0401, 0, 0, 0, 0}),
              words());
    pixel_format = saved_format;
}

TEST_F(BitmapFileTest, PaddedRowsAreStoredPacked) {
    // Width 5 at 8 bits: each stored row carries 3 bytes of padding, here filled with 0xEE.
    Bytes data = {1, 2, 3, 4, 5, 0xEE, 0xEE, 0xEE, 6, 7, 8, 9, 10, 0xEE, 0xEE, 0xEE};
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("pad.bmp", bmp_file(5, 2, 8, data)).c_str()));
    const std::uint8_t expected[] = {6, 7, 8, 9, 10, 1, 2, 3, 4, 5};
    EXPECT_EQ(0, std::memcmp(expected, bitmap.pixels, sizeof expected));
}

TEST_F(BitmapFileTest, TopDownFilesReadUpright) {
    // A negative height stores the top row first.
    Bytes data = {1, 2, 3, 0, 4, 5, 6, 0, 7, 8, 9, 0};
    Bytes file = bmp_file(3, -3, 8, data);
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("down.bmp", file).c_str()));
    const std::uint8_t expected[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(0, std::memcmp(expected, bitmap.pixels, sizeof expected));
    EXPECT_EQ(3, +bitmap.info_header.biHeight);
}

TEST_F(BitmapFileTest, ImageSizeOfZeroOrTooSmallIsWorkedOutFromTheRows) {
    for (std::uint32_t size_image : {0u, 4u}) {
        Bytes file = two_row_8bit();
        put32(file, BI_SIZE_IMAGE, size_image);
        ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("size.bmp", file).c_str()));
        const std::uint8_t expected[] = {20, 21, 22, 23, 10, 11, 12, 13};
        EXPECT_EQ(0, std::memcmp(expected, bitmap.pixels, sizeof expected)) << size_image;
    }
}

TEST_F(BitmapFileTest, ReleaseKeepsHeadersAndPaletteAndCanBeRepeated) {
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("keep.bmp", two_row_8bit()).c_str()));
    const BitmapFile before = bitmap;
    EXPECT_EQ(1, release_bitmap_file(&bitmap));
    EXPECT_EQ(nullptr, bitmap.pixels);
    EXPECT_EQ(0, std::memcmp(&before, &bitmap, offsetof(BitmapFile, pixels)));
    EXPECT_EQ(1, release_bitmap_file(&bitmap));
    EXPECT_EQ(0, std::memcmp(&before, &bitmap, offsetof(BitmapFile, pixels)));
    EXPECT_EQ(0, release_bitmap_file(nullptr));
}

TEST_F(BitmapFileTest, RereadingReplacesPixelsAndHeadersButPaletteOnlyFromEightBitFiles) {
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("first.bmp", two_row_8bit()).c_str()));
    Palette first_palette;
    std::memcpy(first_palette, bitmap.palette, sizeof first_palette);
    // A 16-bit file leaves the palette; the sanitizer catches a leak of the first pixels.
    const Bytes second = bmp_file(2, 1, 16, {1, 0, 2, 0});
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("second.bmp", second).c_str()));
    EXPECT_EQ(2, +bitmap.info_header.biWidth);
    EXPECT_EQ(16, +bitmap.info_header.biBitCount);
    EXPECT_EQ(0, std::memcmp(first_palette, bitmap.palette, sizeof first_palette));
    Bytes third = two_row_8bit();
    third[54 + 2] = 99; // red of entry 0
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("third.bmp", third).c_str()));
    EXPECT_EQ(99, bitmap.palette[0].red);
}

TEST_F(BitmapFileTest, LongerInfoHeadersKeepTheirColourTableAfterTheWholeHeader) {
    // A 108-byte header: 68 more bytes before the table.
    Bytes file = two_row_8bit();
    file.insert(file.begin() + 54, 68, 0xAB);
    put32(file, BI_SIZE, 108);
    ASSERT_EQ(1, read_bitmap_file(&bitmap, write_file("v4.bmp", file).c_str()));
    EXPECT_EQ(0, bitmap.palette[0].red);
    EXPECT_EQ(255, bitmap.palette[0].green);
    EXPECT_EQ(255 / 2, bitmap.palette[255].red);
}

TEST(FlipRows, ReversesRowsInPlaceAndRefusesBadArguments) {
    std::uint8_t rows[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(1, flip_rows(rows, 3, 3));
    const std::uint8_t flipped[] = {7, 8, 9, 4, 5, 6, 1, 2, 3};
    EXPECT_EQ(0, std::memcmp(flipped, rows, sizeof rows));
    EXPECT_EQ(1, flip_rows(rows, 3, 1));
    EXPECT_EQ(0, std::memcmp(flipped, rows, sizeof rows));
    EXPECT_EQ(0, flip_rows(nullptr, 3, 3));
    EXPECT_EQ(0, flip_rows(rows, -3, 3));
    EXPECT_EQ(0, flip_rows(rows, 3, -1));
}
