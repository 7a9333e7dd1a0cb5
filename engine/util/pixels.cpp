// Single pixels in locked pixel memory, unclipped: the caller keeps (x, y) in the buffer.
#include "engine/util/lines.h"

#include <cstddef>

std::int32_t plot_pixel8(std::int32_t x, std::int32_t y, std::int32_t color, std::uint8_t* buffer,
                         std::int32_t pitch) {
    buffer[static_cast<std::ptrdiff_t>(y) * pitch + x] = static_cast<std::uint8_t>(color);
    return 1;
}

std::int32_t plot_pixel16(std::int32_t x, std::int32_t y, std::int32_t color, std::uint16_t* buffer,
                          std::int32_t pitch) {
    buffer[static_cast<std::ptrdiff_t>(y) * (pitch >> 1) + x] = static_cast<std::uint16_t>(color);
    return 1;
}
