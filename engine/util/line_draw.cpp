// Unclipped lines: an integer error-term walk, one pixel per step along the major axis.
#include "engine/util/lines.h"

#include <cstddef>

namespace {

// Stores major + 1 pixels from p, stepping along the major axis every time and along the
// minor axis whenever the error term has reached zero. The step is chosen by a mask rather
// than a branch: whether the walk steps sideways follows no pattern a predictor can learn.
// Differences are 64 bits wide so that no pair of 32-bit end points can overflow them.
template <typename Pixel>
void walk(Pixel* p, std::int64_t major, std::int64_t minor, std::ptrdiff_t major_step,
          std::ptrdiff_t minor_step, Pixel value) {
    const std::int64_t up = 2 * minor;
    const std::int64_t down = 2 * major;
    std::int64_t error = up - major;
    for (std::int64_t n = major; n > 0; --n) {
        *p = value;
        const std::int64_t take = ~(error >> 63); // all ones when error >= 0
        p += (minor_step & take) + major_step;
        error += up - (down & take);
    }
    *p = value; // the end point, without the step past it
}

template <typename Pixel>
void draw_line(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
               std::int32_t color, Pixel* buffer, std::ptrdiff_t row) {
    Pixel* p = buffer + static_cast<std::ptrdiff_t>(y0) * row + x0;
    std::int64_t dx = std::int64_t{x1} - x0;
    std::int64_t dy = std::int64_t{y1} - y0;
    std::ptrdiff_t x_step = 1;
    std::ptrdiff_t y_step = row;
    if (dx < 0) {
        x_step = -1;
        dx = -dx;
    }
    if (dy < 0) {
        y_step = -row;
        dy = -dy;
    }
    const Pixel value = static_cast<Pixel>(color);
    if (dx > dy)
        walk(p, dx, dy, x_step, y_step, value);
    else // equal spans take this branch too
        walk(p, dy, dx, y_step, x_step, value);
}

} // namespace

std::int32_t draw_line8(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                        std::int32_t color, std::uint8_t* buffer, std::int32_t pitch) {
    draw_line(x0, y0, x1, y1, color, buffer, pitch);
    return 1;
}

std::int32_t draw_line16(std::int32_t x0, std::int32_t y0, std::int32_t x1, std::int32_t y1,
                         std::int32_t color, std::uint16_t* buffer, std::int32_t pitch) {
    draw_line(x0, y0, x1, y1, color, buffer, pitch >> 1);
    return 1;
}
