// Little-endian fields of the bitmap file's headers.
#include "formats/bmp_headers.h"

namespace {

std::uint16_t get16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | at[1] << 8);
}

std::uint32_t get32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(get16(at)) | static_cast<std::uint32_t>(get16(at + 2)) << 16;
}

} // namespace

void bmp_put16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void bmp_put32(std::uint8_t* at, std::uint32_t value) {
    bmp_put16(at, static_cast<std::uint16_t>(value));
    bmp_put16(at + 2, static_cast<std::uint16_t>(value >> 16));
}

BmpFileHeader bmp_decode_file_header(const std::uint8_t* bytes) {
    return {get16(bytes), get32(bytes + 2), get16(bytes + 6), get16(bytes + 8), get32(bytes + 10)};
}

BmpInfoHeader bmp_decode_info_header(const std::uint8_t* bytes) {
    BmpInfoHeader info;
    info.header_size = get32(bytes);
    info.width = static_cast<std::int32_t>(get32(bytes + 4));
    info.height = static_cast<std::int32_t>(get32(bytes + 8));
    info.planes = get16(bytes + 12);
    info.bit_count = get16(bytes + 14);
    info.compression = get32(bytes + 16);
    info.image_size = get32(bytes + 20);
    info.x_pixels_per_metre = static_cast<std::int32_t>(get32(bytes + 24));
    info.y_pixels_per_metre = static_cast<std::int32_t>(get32(bytes + 28));
    info.colours_used = get32(bytes + 32);
    info.colours_important = get32(bytes + 36);
    return info;
}

void bmp_encode_file_header(const BmpFileHeader& header, std::uint8_t* bytes) {
    bmp_put16(bytes, header.type);
    bmp_put32(bytes + 2, header.file_size);
    bmp_put16(bytes + 6, header.reserved1);
    bmp_put16(bytes + 8, header.reserved2);
    bmp_put32(bytes + 10, header.pixel_offset);
}

void bmp_encode_info_header(const BmpInfoHeader& header, std::uint8_t* bytes) {
    bmp_put32(bytes, header.header_size);
    bmp_put32(bytes + 4, static_cast<std::uint32_t>(header.width));
    bmp_put32(bytes + 8, static_cast<std::uint32_t>(header.height));
    bmp_put16(bytes + 12, header.planes);
    bmp_put16(bytes + 14, header.bit_count);
    bmp_put32(bytes + 16, header.compression);
    bmp_put32(bytes + 20, header.image_size);
    bmp_put32(bytes + 24, static_cast<std::uint32_t>(header.x_pixels_per_metre));
    bmp_put32(bytes + 28, static_cast<std::uint32_t>(header.y_pixels_per_metre));
    bmp_put32(bytes + 32, header.colours_used);
    bmp_put32(bytes + 36, header.colours_important);
}
