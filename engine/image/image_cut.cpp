// Filling a still image with a rectangle of a bitmap file's picture.
#include "engine/image/bitmap_image.h"
#include "engine/image/cut_source.h"
#include "engine/image/image_pixels.h"

namespace {

std::int32_t cut_rows(BitmapImage* image, const BitmapFile* bitmap, std::int32_t cx,
                      std::int32_t cy, std::int32_t mode, std::int32_t bits_per_pixel) {
    if (image == nullptr || image->bits_per_pixel != bits_per_pixel) return 0;
    const std::int32_t bytes = image_bytes_per_pixel(image);
    if (bytes == 0) return 0;
    // Still images leave out index 0 (or the word 0) when drawn with transparency.
    if (!cut_pixels(bitmap, cx, cy, mode, image->width, image->height, bits_per_pixel, 0,
                    image->pixels, static_cast<std::ptrdiff_t>(image->width) * bytes))
        return 0;
    image->attributes |= IMAGE_HAS_PIXELS;
    return 1;
}

} // namespace

std::int32_t image_cut(BitmapImage* image, const BitmapFile* bitmap, std::int32_t cx,
                       std::int32_t cy, std::int32_t mode) {
    return cut_rows(image, bitmap, cx, cy, mode, 8);
}

std::int32_t image_cut16(BitmapImage* image, const BitmapFile* bitmap, std::int32_t cx,
                         std::int32_t cy, std::int32_t mode) {
    return cut_rows(image, bitmap, cx, cy, mode, 16);
}
