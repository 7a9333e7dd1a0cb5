// Copying still images into locked pixel memory, opaque or leaving out pixel value 0. Nothing
// is clipped: callers place images wholly inside the destination.
#include "engine/image/bitmap_image.h"
#include "engine/image/image_pixels.h"

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
    const auto* source = reinterpret_cast<const Pixel*>(image->pixels);
    Pixel* row = dest + image->y * pitch_pixels + image->x;
    const std::int32_t width = image->width;
    for (std::int32_t y = 0; y < image->height; ++y) {
        if (transparent == 0) {
            std::memcpy(row, source, static_cast<std::size_t>(width) * sizeof(Pixel));
        } else {
            for (std::int32_t x = 0; x < width; ++x) {
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
