// Copying still images into locked pixel memory, opaque or leaving out pixel value 0, cut to
// the clip rectangle: an image partly off the screen draws only the part on it.
#include "engine/display/display_context.h"
#include "engine/image/bitmap_image.h"
#include "engine/image/image_pixels.h"

#include <algorithm>
#include <cstring>

namespace {

template <typename Pixel>
std::int32_t draw_rows(const BitmapImage* image, Pixel* dest, std::ptrdiff_t pitch_pixels,
                       std::int32_t transparent) {
    if (image == nullptr || dest == nullptr) return 0;
    if ((image->attributes & IMAGE_HAS_PIXELS) == 0) return 0;
    if (image->bits_per_pixel != static_cast<std::int32_t>(sizeof(Pixel) * 8) ||
        image_bytes_per_pixel(image) == 0)
        return 0;
    // The visible part, in the destination's columns and rows; 64 bits, as a position near
    // the int range's end plus the size would overflow.
    const std::int64_t left = std::max<std::int64_t>(image->x, clip_min_x);
    const std::int64_t top = std::max<std::int64_t>(image->y, clip_min_y);
    const std::int64_t right =
        std::min<std::int64_t>(std::int64_t{image->x} + image->width - 1, clip_max_x);
    const std::int64_t bottom =
        std::min<std::int64_t>(std::int64_t{image->y} + image->height - 1, clip_max_y);
    if (left > right || top > bottom) return 1;

    const std::int32_t width = image->width;
    const auto count = static_cast<std::size_t>(right - left + 1);
    const auto* source = reinterpret_cast<const Pixel*>(image->pixels) + (top - image->y) * width +
                         (left - image->x);
    Pixel* row = dest + top * pitch_pixels + left;
    for (std::int64_t y = top; y <= bottom; ++y) {
        if (transparent == 0) {
            std::memcpy(row, source, count * sizeof(Pixel));
        } else {
            for (std::size_t x = 0; x < count; ++x) {
                if (source[x] != 0) row[x] = source[x];
            }
        }
        row += pitch_pixels;
        source += width;
    }
    return 1;
}

} // namespace

std::int32_t image_draw(const BitmapImage* image, std::uint8_t* dest, std::int32_t pitch,
                        std::int32_t transparent) {
    return draw_rows(image, dest, pitch, transparent);
}

std::int32_t image_draw16(const BitmapImage* image, std::uint16_t* dest, std::int32_t pitch,
                          std::int32_t transparent) {
    // The pitch comes in bytes; an odd one rounds down to whole pixels.
    return draw_rows(image, dest, pitch >> 1, transparent);
}
