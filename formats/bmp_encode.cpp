// Laying out bitmap files byte by byte.
#include "formats/bmp_encode.h"
#include "formats/bmp_headers.h"
#include "formats/bmp_layout.h"

#include <cstring>

namespace {

bool side_ok(std::int32_t side) {
    return side > 0 && side <= BMP_MAX_SIDE;
}

// Both headers, the room for a colour table of `colours` entries and for the rows, the rows
// left zero; `stride` is the padded row length.
std::vector<std::uint8_t> start_file(std::int32_t width, std::int32_t height, std::uint16_t bits,
                                     std::uint32_t colours, std::size_t* stride) {
    *stride = static_cast<std::size_t>(bmp_row_stride(width, bits));
    const auto image_size = static_cast<std::uint32_t>(*stride * height);
    const auto offset = static_cast<std::uint32_t>(BMP_HEADERS_SIZE + colours * 4);
    const BmpFileHeader file = {BMP_MAGIC, offset + image_size, 0, 0, offset};
    const BmpInfoHeader info = {static_cast<std::uint32_t>(BMP_INFO_HEADER_SIZE),
                                width,
                                height,
                                1,
                                bits,
                                BMP_RGB,
                                image_size,
                                BMP_PIXELS_PER_METRE,
                                BMP_PIXELS_PER_METRE,
                                colours,
                                colours};
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(offset) + image_size, 0);
    bmp_encode_file_header(file, bytes.data());
    bmp_encode_info_header(info, bytes.data() + BMP_FILE_HEADER_SIZE);
    return bytes;
}

// Where the stored row of picture row `y` (top row first) begins.
std::uint8_t* stored_row(std::vector<std::uint8_t>& bytes, std::size_t offset, std::size_t stride,
                         std::int32_t height, std::int32_t y) {
    return bytes.data() + offset + stride * static_cast<std::size_t>(height - 1 - y);
}

} // namespace

std::vector<std::uint8_t> bmp_encode_indexed(std::int32_t width, std::int32_t height,
                                             const std::uint8_t* indices,
                                             const PaletteEntry* colours) {
    if (!side_ok(width) || !side_ok(height) || indices == nullptr || colours == nullptr) return {};
    std::size_t stride = 0;
    std::vector<std::uint8_t> bytes = start_file(width, height, 8, 256, &stride);
    std::uint8_t* table = bytes.data() + BMP_HEADERS_SIZE;
    for (int i = 0; i < 256; ++i, table += 4) {
        table[0] = colours[i].blue;
        table[1] = colours[i].green;
        table[2] = colours[i].red;
    }
    const std::size_t offset = BMP_HEADERS_SIZE + 256 * 4;
    for (std::int32_t y = 0; y < height; ++y)
        std::memcpy(stored_row(bytes, offset, stride, height, y),
                    indices + static_cast<std::size_t>(y) * width, static_cast<std::size_t>(width));
    return bytes;
}

std::vector<std::uint8_t> bmp_encode_rgb24(std::int32_t width, std::int32_t height,
                                           const std::uint32_t* argb) {
    if (!side_ok(width) || !side_ok(height) || argb == nullptr) return {};
    std::size_t stride = 0;
    std::vector<std::uint8_t> bytes = start_file(width, height, 24, 0, &stride);
    for (std::int32_t y = 0; y < height; ++y) {
        std::uint8_t* out = stored_row(bytes, BMP_HEADERS_SIZE, stride, height, y);
        const std::uint32_t* in = argb + static_cast<std::size_t>(y) * width;
        // Each pixel blue, green, red.
        for (std::int32_t x = 0; x < width; ++x, out += 3) {
            out[0] = static_cast<std::uint8_t>(in[x]);
            out[1] = static_cast<std::uint8_t>(in[x] >> 8);
            out[2] = static_cast<std::uint8_t>(in[x] >> 16);
        }
    }
    return bytes;
}
