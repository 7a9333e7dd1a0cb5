// Sanity of image records.
#include "engine/image/image_pixels.h"

std::int32_t image_bytes_per_pixel(const BitmapImage* image) {
    if (image == nullptr || image->pixels == nullptr) return 0;
    if (image->bits_per_pixel != 8 && image->bits_per_pixel != 16) return 0;
    if (image->width <= 0 || image->height <= 0) return 0;
    const std::int32_t bytes = image->bits_per_pixel >> 3;
    const std::int64_t needed = static_cast<std::int64_t>(image->width) * image->height * bytes;
    return needed <= image->byte_count ? bytes : 0;
}
