// Unclipped lines: an integer error-term walk, one pixel per step along the major axis.
#include "engine/util/lines.h"

#include <cstddef>

namespace {

// Stores major + 1 pixels from p, stepping along the major axis every time and along the
// minor axis too whenever the error term has reached zero. Differences are 64 bits wide so
// that no pair of 32-bit end points can overflow them.
template <typename Pixel>
void walk(Pixel* p, std::int64_t major, std::int64_t minor, std::ptrdiff_t major_step,
          std::ptrdiff_t minor_step, Pixel value) {
    std::int64_t error = 2 * minor - major;
    for (std::int64_t n = major; n > 0; --n) {
        *p = value;
        if (error >= 0) {
            error -= 2 * major;
            p += minor_step;
        }
        error += 2 * minor;
        p += major_step;
    }
    *p = value; // the end point, without the step past it
}

// The same pixels for lines shorter than SHORT_SPAN, which is every line on a screen,
// without the error term's hard-to-predict branch. The walk puts step k at minor offset
// floor(k * minor / major + 1/2); here that is a 32.32 fixed-point position. Its slope is
// rounded up, so the position never falls below the exact value and passes it by less than
// major / 2^32, which stays below the 1 / (2 major) gap to the next whole number while
// 2 major^2 <= 2^32. Each step depends on the last only through one addition.
constexpr std::int64_t SHORT_SPAN = 46341;

template <typename Pixel>
void short_walk(Pixel* p, std::int64_t major, std::int64_t minor, std::ptrdiff_t major_step,
                std::ptrdiff_t minor_step, Pixel value) {
    if (major == 0) {
        *p = value; // a point
        return;
    }
    const std::uint64_t slope = ((static_cast<std::uint64_t>(minor) << 32) + major - 1) / major;
    std::uint64_t position = std::uint64_t{1} << 31;
    for (std::int64_t k = 0; k <= major; ++k) {
        p[k * major_step + static_cast<std::ptrdiff_t>(position >> 32) * minor_step] = value;
        position += slope;
    }
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
    const std::int64_t major = dx > dy ? dx : dy;
    const auto walk_along = major < SHORT_SPAN ? short_walk<Pixel> : walk<Pixel>;
    if (dx > dy)
        walk_along(p, dx, dy, x_step, y_step, value);
    else // equal spans take this branch too
        walk_along(p, dy, dx, y_step, x_step, value);
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
