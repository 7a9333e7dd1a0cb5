// Rotating a still image sideways with wrap-around.
#include "engine/image/bitmap_image.h"
#include "engine/image/image_pixels.h"

#include <cstring>

std::int32_t image_scroll(BitmapImage* image, std::int32_t dx, std::int32_t dy) {
    if (image == nullptr || (dx == 0 && dy == 0)) return 0;
    const std::int32_t bytes = image_bytes_per_pixel(image);
    if (bytes == 0) return 0;
    // Only the sideways amount moves anything; the remainder keeps the sign of dx.
    const std::int32_t shift = dx % image->width;
    if (shift == 0) return 1;
    const std::int32_t strip_width = shift > 0 ? shift : -shift;
    const std::int32_t kept = image->width - strip_width;
    // The strip that wraps round: the rightmost columns when moving right, else the leftmost.
    const std::int32_t strip_from = shift > 0 ? kept : 0;
    const std::int32_t strip_to = shift > 0 ? 0 : kept;
    BitmapImage temp_image{};
    if (!image_create(&temp_image, 0, 0, strip_width, image->height, image->bits_per_pixel))
        return 0;
    image_copy_rect(&temp_image, 0, 0, image, strip_from, 0, strip_width, image->height);
    const std::size_t row_bytes = static_cast<std::size_t>(image->width) * bytes;
    const std::size_t strip_bytes = static_cast<std::size_t>(strip_width) * bytes;
    const std::size_t kept_bytes = static_cast<std::size_t>(kept) * bytes;
    std::uint8_t* row = image->pixels;
    for (std::int32_t y = 0; y < image->height; ++y, row += row_bytes) {
        if (shift > 0)
            std::memmove(row + strip_bytes, row, kept_bytes);
        else
            std::memmove(row, row + strip_bytes, kept_bytes);
    }
    image_copy_rect(image, strip_to, 0, &temp_image, 0, 0, strip_width, image->height);
    image_destroy(&temp_image);
    return 1;
}
