// The bitmap format library: headers at their published offsets, files written and read back
// whole, and the game's reading and the standard one agreeing on every file written here.
#include "formats/bmp_decode.h"
#include "formats/bmp_encode.h"
#include "formats/bmp_headers.h"
#include "formats/bmp_layout.h"

#include <gtest/gtest.h>

#include <random>

namespace {

std::uint32_t at32(const std::vector<std::uint8_t>& bytes, std::size_t offset) {
    return bytes[offset] | bytes[offset + 1] << 8 | bytes[offset + 2] << 16 |
           static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

// Both readings of a whole file in memory.
void plan_both(const std::vector<std::uint8_t>& bytes, BmpLayout* from_end, BmpLayout* at_offset) {
    const BmpFileHeader file = bmp_decode_file_header(bytes.data());
    const BmpInfoHeader info = bmp_decode_info_header(bytes.data() + BMP_FILE_HEADER_SIZE);
    const auto length = static_cast<std::int64_t>(bytes.size());
    ASSERT_EQ(bmp_plan_layout(info, length, from_end), 1);
    ASSERT_EQ(bmp_plan_layout_at_offset(file, info, length, at_offset), 1);
}

} // namespace

TEST(BmpHeaders, FieldsLieAtThePublishedOffsetsLittleEndian) {
    const BmpFileHeader file = {BMP_MAGIC, 0x11223344, 0x5566, 0x7788, 0x99AABBCC};
    const BmpInfoHeader info = {40,         -7,   -0x01020304, 1,          24, BMP_BITFIELDS,
                                0x0A0B0C0D, 2835, -2835,       0x10203040, 256};
    std::vector<std::uint8_t> bytes(BMP_HEADERS_SIZE);
    bmp_encode_file_header(file, bytes.data());
    bmp_encode_info_header(info, bytes.data() + BMP_FILE_HEADER_SIZE);
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[1], 'M');
    EXPECT_EQ(at32(bytes, 2), 0x11223344u);
    EXPECT_EQ(at32(bytes, 10), 0x99AABBCCu);
    EXPECT_EQ(at32(bytes, 18), static_cast<std::uint32_t>(-7));
    EXPECT_EQ(at32(bytes, 22), static_cast<std::uint32_t>(-0x01020304));
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ(at32(bytes, 30), BMP_BITFIELDS);
    EXPECT_EQ(at32(bytes, 34), 0x0A0B0C0Du);
    EXPECT_EQ(at32(bytes, 46), 0x10203040u);

    const BmpFileHeader file_back = bmp_decode_file_header(bytes.data());
    const BmpInfoHeader info_back = bmp_decode_info_header(bytes.data() + BMP_FILE_HEADER_SIZE);
    EXPECT_EQ(file_back.reserved2, 0x7788);
    EXPECT_EQ(info_back.height, -0x01020304);
    EXPECT_EQ(info_back.y_pixels_per_metre, -2835);
    EXPECT_EQ(info_back.colours_important, 256u);
}

TEST(BmpFiles, IndexedPicturesOfEveryRowPaddingReadBackWhole) {
    std::mt19937 random(12);
    for (int trial = 0; trial < 40; ++trial) {
        const int width = 1 + static_cast<int>(random() % 67);
        const int height = 1 + static_cast<int>(random() % 9);
        SCOPED_TRACE(std::to_string(width) + " x " + std::to_string(height));
        std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) * height);
        for (std::uint8_t& index : indices)
            index = static_cast<std::uint8_t>(random());
        PaletteEntry colours[256];
        for (PaletteEntry& c : colours)
            c = {static_cast<std::uint8_t>(random()), static_cast<std::uint8_t>(random()),
                 static_cast<std::uint8_t>(random()), 0};

        const std::vector<std::uint8_t> bytes =
            bmp_encode_indexed(width, height, indices.data(), colours);
        BmpIndexedImage image;
        ASSERT_TRUE(bmp_decode_indexed(bytes.data(), bytes.size(), &image));
        EXPECT_EQ(image.width, width);
        EXPECT_EQ(image.height, height);
        EXPECT_EQ(image.colour_count, 256);
        EXPECT_EQ(image.indices, indices);
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(image.colours[i].red, colours[i].red) << i;
            EXPECT_EQ(image.colours[i].green, colours[i].green) << i;
            EXPECT_EQ(image.colours[i].blue, colours[i].blue) << i;
        }

        BmpLayout from_end, at_offset;
        plan_both(bytes, &from_end, &at_offset);
        EXPECT_EQ(from_end.data_offset, at_offset.data_offset);
        EXPECT_EQ(from_end.palette_offset, at_offset.palette_offset);
        EXPECT_EQ(from_end.palette_count, at_offset.palette_count);
        EXPECT_EQ(from_end.stride, (width + 3) / 4 * 4);
    }
}

TEST(BmpFiles, TrueColourPicturesStoreBlueGreenRedBottomRowFirst) {
    const int width = 3, height = 2;
    const std::uint32_t argb[] = {0xFF102030, 0x00405060, 0xFF708090,  // top row
                                  0x12A0B0C0, 0xFFD0E0F0, 0xFF010203}; // bottom row
    const std::vector<std::uint8_t> bytes = bmp_encode_rgb24(width, height, argb);
    BmpLayout from_end, at_offset;
    plan_both(bytes, &from_end, &at_offset);
    EXPECT_EQ(from_end.data_offset, at_offset.data_offset);
    ASSERT_EQ(at_offset.stride, 12); // 9 bytes of pixels, 3 of padding
    const std::uint8_t* bottom = bytes.data() + at_offset.data_offset;
    const std::uint8_t expected_bottom[] = {0xC0, 0xB0, 0xA0, 0xF0, 0xE0, 0xD0,
                                            0x03, 0x02, 0x01, 0,    0,    0};
    const std::uint8_t expected_top[] = {0x30, 0x20, 0x10, 0x60, 0x50, 0x40,
                                         0x90, 0x80, 0x70, 0,    0,    0};
    EXPECT_TRUE(std::equal(expected_bottom, expected_bottom + 12, bottom));
    EXPECT_TRUE(std::equal(expected_top, expected_top + 12, bottom + 12));
    EXPECT_EQ(bytes.size(), static_cast<std::size_t>(at_offset.data_offset) + 24);
}

TEST(BmpFiles, NothingIsMadeOfImpossibleSizesOrMissingPixels) {
    const std::uint8_t index = 0;
    const PaletteEntry colours[256] = {};
    const std::uint32_t pixel = 0;
    for (int side : {0, -1, BMP_MAX_SIDE + 1}) {
        EXPECT_TRUE(bmp_encode_indexed(side, 1, &index, colours).empty()) << side;
        EXPECT_TRUE(bmp_encode_indexed(1, side, &index, colours).empty()) << side;
        EXPECT_TRUE(bmp_encode_rgb24(side, 1, &pixel).empty()) << side;
    }
    EXPECT_TRUE(bmp_encode_indexed(1, 1, nullptr, colours).empty());
    EXPECT_TRUE(bmp_encode_rgb24(1, 1, nullptr).empty());
    BmpIndexedImage image;
    EXPECT_FALSE(bmp_decode_indexed(nullptr, 2000, &image));
    const std::vector<std::uint8_t> true_colour = bmp_encode_rgb24(1, 1, &pixel);
    EXPECT_FALSE(bmp_decode_indexed(true_colour.data(), true_colour.size(), &image));
}
