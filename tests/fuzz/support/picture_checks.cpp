// The record's promises, checked from its headers alone.
#include "picture_checks.h"

#include "fuzz_input.h"

namespace {

std::int64_t rows_of(const BitmapFile& bitmap) {
    const std::int64_t height = bitmap.info_header.biHeight;
    return height < 0 ? -height : height;
}

} // namespace

void touch_held_picture(const BitmapFile& bitmap) {
    const std::int32_t depth = bitmap.info_header.biBitCount;
    if (bitmap.pixels == nullptr || (depth != 8 && depth != 16)) return;
    const std::int64_t bytes =
        static_cast<std::int64_t>(bitmap.info_header.biWidth) * rows_of(bitmap) * (depth / 8);
    fuzz_require(bytes > 0, "pixels are held only for a picture of some size");
    volatile std::uint8_t sum = 0;
    for (std::int64_t i = 0; i < bytes; ++i)
        sum = static_cast<std::uint8_t>(sum + bitmap.pixels[i]);
}

std::int64_t cut_origin(std::int32_t c, std::int32_t size, std::int32_t mode) {
    if (mode != 0) return c;
    return static_cast<std::int64_t>(c) * (static_cast<std::int64_t>(size) + 1) + 1;
}

bool inside_picture(const BitmapFile& bitmap, std::int64_t x, std::int64_t y, std::int32_t width,
                    std::int32_t height, std::int32_t bits_per_pixel) {
    if (bitmap.pixels == nullptr || bitmap.info_header.biBitCount != bits_per_pixel) return false;
    if (width <= 0 || height <= 0 || x < 0 || y < 0) return false;
    return x + width <= bitmap.info_header.biWidth && y + height <= rows_of(bitmap);
}

const std::uint8_t* picture_pixel(const BitmapFile& bitmap, std::int64_t x, std::int64_t y,
                                  std::int32_t bits_per_pixel) {
    return bitmap.pixels + (y * bitmap.info_header.biWidth + x) * (bits_per_pixel / 8);
}
