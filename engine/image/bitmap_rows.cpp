// Row order and colour conversion of bitmap pixels.
#include "engine/image/bitmap_rows.h"
#include "engine/image/bitmap_file.h"

#include <cstdlib>
#include <cstring>

namespace {

std::int64_t upright_row(const BitmapLayout& layout, std::int64_t stored_row) {
    return layout.top_down ? stored_row : layout.rows - 1 - stored_row;
}

} // namespace

std::int32_t flip_rows(std::uint8_t* buffer, std::int32_t bytes_per_row, std::int32_t rows) {
    if (buffer == nullptr || bytes_per_row < 0 || rows < 0) return 0;
    if (bytes_per_row == 0 || rows < 2) return 1;
    // Swapping pairs of rows needs only one row of scratch, not a copy of the whole picture.
    auto* scratch =
        static_cast<std::uint8_t*>(std::malloc(static_cast<std::size_t>(bytes_per_row)));
    if (scratch == nullptr) return 0;
    const auto row_bytes = static_cast<std::size_t>(bytes_per_row);
    std::uint8_t* top = buffer;
    std::uint8_t* bottom = buffer + static_cast<std::size_t>(rows - 1) * row_bytes;
    while (top < bottom) {
        std::memcpy(scratch, top, row_bytes);
        std::memcpy(top, bottom, row_bytes);
        std::memcpy(bottom, scratch, row_bytes);
        top += row_bytes;
        bottom -= row_bytes;
    }
    std::free(scratch);
    return 1;
}

void unpack_rows(const std::uint8_t* stored, const BitmapLayout& layout, std::uint8_t* pixels) {
    const std::int64_t packed = static_cast<std::int64_t>(layout.width) * layout.bytes_per_pixel;
    for (std::int64_t row = 0; row < layout.rows; ++row) {
        std::memcpy(pixels + upright_row(layout, row) * packed, stored + row * layout.stride,
                    static_cast<std::size_t>(packed));
    }
}

void convert_rows24(const std::uint8_t* stored, const BitmapLayout& layout,
                    std::int32_t pixel_format, std::uint16_t* pixels) {
    const bool five_five_five = pixel_format == 15;
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
