// The two headers at the start of a Windows bitmap file, decoded from and encoded to their
// little-endian bytes, whatever the host's byte order.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::size_t BMP_FILE_HEADER_SIZE = 14;
constexpr std::size_t BMP_INFO_HEADER_SIZE = 40;
constexpr std::size_t BMP_HEADERS_SIZE = BMP_FILE_HEADER_SIZE + BMP_INFO_HEADER_SIZE;
constexpr std::uint16_t BMP_MAGIC = 0x4D42; // the bytes "BM"
constexpr std::uint32_t BMP_RGB = 0;        // uncompressed
constexpr std::uint32_t BMP_BITFIELDS = 3;  // uncompressed, with colour masks
// 72 dots per inch, what writers commonly put in the resolution fields.
constexpr std::int32_t BMP_PIXELS_PER_METRE = 2835;

// The file header, field by field (bfType, bfSize, bfReserved1, bfReserved2, bfOffBits).
struct BmpFileHeader {
    std::uint16_t type;
    std::uint32_t file_size;
    std::uint16_t reserved1;
    std::uint16_t reserved2;
    std::uint32_t pixel_offset;
};

// The 40-byte info header, field by field (biSize to biClrImportant).
struct BmpInfoHeader {
    std::uint32_t header_size;
    std::int32_t width;
    std::int32_t height; // positive: rows stored bottom row first
    std::uint16_t planes;
    std::uint16_t bit_count;
    std::uint32_t compression;
    std::uint32_t image_size;
    std::int32_t x_pixels_per_metre;
    std::int32_t y_pixels_per_metre;
    std::uint32_t colours_used;
    std::uint32_t colours_important;
};

// Bytes in one stored row of `width` pixels of `bits` each: every writer pads stored rows to
// whole 32-bit words.
constexpr std::int64_t bmp_row_stride(std::int64_t width, std::int64_t bits) {
    return (width * bits + 31) / 32 * 4;
}

// Little-endian stores, for the headers and for the files laid out around them.
void bmp_put16(std::uint8_t* at, std::uint16_t value);
void bmp_put32(std::uint8_t* at, std::uint32_t value);

// Each reads or writes exactly the header's size in bytes.
BmpFileHeader bmp_decode_file_header(const std::uint8_t* bytes);
BmpInfoHeader bmp_decode_info_header(const std::uint8_t* bytes);
void bmp_encode_file_header(const BmpFileHeader& header, std::uint8_t* bytes);
void bmp_encode_info_header(const BmpInfoHeader& header, std::uint8_t* bytes);
