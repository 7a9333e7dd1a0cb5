// Copying a rectangle between still images, or within one.
#include "engine/image/bitmap_image.h"
#include "engine/image/image_pixels.h"

#include <cstring>

namespace {

std::int32_t rect_inside(const BitmapImage* image, std::int32_t x, std::int32_t y,
                         std::int32_t width, std::int32_t height) {
    return x >= 0 && y >= 0 && static_cast<std::int64_t>(x) + width <= image->width &&
           static_cast<std::int64_t>(y) + height <= image->height;
}

} // namespace

std::int32_t image_copy_rect(BitmapImage* dest, std::int32_t dest_x, std::int32_t dest_y,
                             const BitmapImage* source, std::int32_t source_x,
                             std::int32_t source_y, std::int32_t width, std::int32_t height) {
    const std::int32_t bytes = image_bytes_per_pixel(source);
    if (bytes == 0 || image_bytes_per_pixel(dest) != bytes) return 0;
    if (width < 0 || height < 0) return 0;
    if (!rect_inside(source, source_x, source_y, width, height) ||
        !rect_inside(dest, dest_x, dest_y, width, height))
        return 0;
    const std::ptrdiff_t source_step = static_cast<std::ptrdiff_t>(source->width) * bytes;
    const std::ptrdiff_t dest_step = static_cast<std::ptrdiff_t>(dest->width) * bytes;
    const std::uint8_t* from = source->pixels + source_y * source_step + source_x * bytes;
    std::uint8_t* to = dest->pixels + dest_y * dest_step + dest_x * bytes;
    const auto row_bytes = static_cast<std::size_t>(width) * bytes;
    // Within one image the rectangles may overlap: walk the rows from the far end when the
    // destination lies below the source, and move each row as a possibly overlapping block.
    std::ptrdiff_t row = 0;
    std::ptrdiff_t step = 1;
    if (dest == source && dest_y > source_y) {
        row = height - 1;
        step = -1;
    }
    for (std::int32_t i = 0; i < height; ++i, row += step)
        std::memmove(to + row * dest_step, from + row * source_step, row_bytes);
    return 1;
}
