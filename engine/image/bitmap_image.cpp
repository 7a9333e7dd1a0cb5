// Creating and destroying still images.
#include "engine/image/bitmap_image.h"

#include <cstdlib>
#include <cstring>

std::int32_t image_create(BitmapImage* image, std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height, std::int32_t bits_per_pixel) {
    if (image == nullptr) return 0;
    if (bits_per_pixel != 8 && bits_per_pixel != 16) return 0;
    if (width <= 0 || height <= 0) return 0;
    const std::int64_t byte_count =
        static_cast<std::int64_t>(width) * height * (bits_per_pixel >> 3);
    if (byte_count > INT32_MAX) return 0;
    // calloc hands back the pixels already zero-filled.
    image->pixels =
        static_cast<std::uint8_t*>(std::calloc(static_cast<std::size_t>(byte_count), 1));
    if (image->pixels == nullptr) return 0;
    image->active = 1;
    image->attributes = 0;
    image->x = x;
    image->y = y;
    image->width = width;
    image->height = height;
    image->byte_count = static_cast<std::int32_t>(byte_count);
    image->bits_per_pixel = bits_per_pixel;
    return 1;
}

std::int32_t image_destroy(BitmapImage* image) {
    if (image == nullptr || image->pixels == nullptr) return 0;
    std::free(image->pixels);
    std::memset(image, 0, sizeof *image);
    return 1;
}
