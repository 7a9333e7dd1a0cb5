// Row order and colour conversion of bitmap pixels, and colour tables.
#include "formats/bmp_rows.h"

#include <cstring>

namespace {

std::int64_t upright_row(const BmpLayout& layout, std::int64_t stored_row) {
    return layout.top_down ? stored_row : layout.rows - 1 - stored_row;
}

// 1-bit and 4-bit rows hold their leftmost pixel in the highest bits of each byte.
void unpack_small(const std::uint8_t* stored, std::int32_t bits, std::int32_t width,
                  std::uint8_t* pixels) {
    const std::int32_t per_byte = 8 / bits;
    const auto mask = static_cast<std::uint8_t>((1 << bits) - 1);
    for (std::int32_t x = 0; x < width; ++x) {
        const std::int32_t shift = 8 - bits * (x % per_byte + 1);
        pixels[x] = static_cast<std::uint8_t>((stored[x / per_byte] >> shift) & mask);
    }
}

} // namespace

void bmp_unpack_rows(const std::uint8_t* stored, const BmpLayout& layout, std::uint8_t* pixels) {
    const std::int64_t packed = static_cast<std::int64_t>(layout.width) * layout.bytes_per_pixel;
    for (std::int64_t row = 0; row < layout.rows; ++row) {
        if (layout.bits == 1 || layout.bits == 4) {
            unpack_small(stored + row * layout.stride, layout.bits, layout.width,
                         pixels + upright_row(layout, row) * packed);
            continue;
        }
        std::memcpy(pixels + upright_row(layout, row) * packed, stored + row * layout.stride,
                    static_cast<std::size_t>(packed));
    }
}

void bmp_convert_rows24(const std::uint8_t* stored, const BmpLayout& layout, std::int32_t rgb_bits,
                        std::uint16_t* pixels) {
    const bool five_five_five = rgb_bits == 15;
    for (std::int64_t row = 0; row < layout.rows; ++row) {
        const std::uint8_t* source = stored + row * layout.stride;
        std::uint16_t* dest = pixels + upright_row(layout, row) * layout.width;
        for (std::int32_t x = 0; x < layout.width; ++x, source += 3) {
            const std::uint32_t blue = source[0] >> 3;
            const std::uint32_t red = source[2] >> 3;
            const std::uint32_t color = five_five_five
                                            ? blue + ((source[1] >> 3) << 5) + (red << 10)
                                            : blue + ((source[1] >> 2) << 5) + (red << 11);
            dest[x] = static_cast<std::uint16_t>(color);
        }
    }
}

void bmp_decode_colour_table(const std::uint8_t* table, std::int32_t count, PaletteEntry* entries) {
    for (std::int32_t i = 0; i < count; ++i, table += 4)
        entries[i] = {table[2], table[1], table[0], 0};
}
