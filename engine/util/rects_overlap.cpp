// Box-against-box tests.
#include "engine/util/collision.h"

#include <cstdlib>

namespace {

// Sums are taken in 64 bits so that boxes near the ends of the integer range cannot wrap.
bool within(std::int64_t value, std::int64_t low, std::int64_t size) {
    return low <= value && value <= low + size;
}

// Whether an x edge and a y edge of box b fall inside box a's closed spans.
bool edges_inside(std::int64_t ax, std::int64_t ay, std::int64_t aw, std::int64_t ah,
                  std::int64_t bx, std::int64_t by, std::int64_t bw, std::int64_t bh) {
    return (within(bx, ax, aw) || within(bx + bw, ax, aw)) &&
           (within(by, ay, ah) || within(by + bh, ay, ah));
}

} // namespace

std::int32_t rects_overlap(std::int32_t x1, std::int32_t y1, std::int32_t width1,
                           std::int32_t height1, std::int32_t x2, std::int32_t y2,
                           std::int32_t width2, std::int32_t height2) {
    return edges_inside(x1, y1, width1, height1, x2, y2, width2, height2) ||
           edges_inside(x2, y2, width2, height2, x1, y1, width1, height1);
}

std::int32_t scaled_half_extent(std::int32_t size) {
    return (size >> 1) - (size >> 3);
}

std::int32_t centres_within(std::int64_t dx, std::int64_t dy, std::int32_t hw1, std::int32_t hh1,
                            std::int32_t hw2, std::int32_t hh2) {
    return std::llabs(dx) < static_cast<std::int64_t>(hw1) + hw2 &&
           std::llabs(dy) < static_cast<std::int64_t>(hh1) + hh2;
}

std::int32_t rects_overlap_scaled(std::int32_t x1, std::int32_t y1, std::int32_t width1,
                                  std::int32_t height1, std::int32_t x2, std::int32_t y2,
                                  std::int32_t width2, std::int32_t height2) {
    const std::int32_t hw1 = scaled_half_extent(width1);
    const std::int32_t hh1 = scaled_half_extent(height1);
    const std::int32_t hw2 = scaled_half_extent(width2);
    const std::int32_t hh2 = scaled_half_extent(height2);
    const std::int64_t dx =
        (static_cast<std::int64_t>(x2) + hw2) - (static_cast<std::int64_t>(x1) + hw1);
    const std::int64_t dy =
        (static_cast<std::int64_t>(y2) + hh2) - (static_cast<std::int64_t>(y1) + hh1);
    return centres_within(dx, dy, hw1, hh1, hw2, hh2);
}
