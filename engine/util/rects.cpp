// Outlined rectangles from the clipped lines; filled ones cut once and filled row by row.
#include "engine/util/rects.h"

#include "engine/display/display_context.h"
#include "engine/util/lines.h"

#include <cstddef>
#include <cstring>
#include <utility>

namespace {

// Orders a..b and cuts it to [low, high]; false when nothing is left.
bool cut(std::int32_t& a, std::int32_t& b, std::int32_t low, std::int32_t high) {
    if (a > b) std::swap(a, b);
    if (a > high || b < low || low > high) return false;
    if (a < low) a = low;
    if (b > high) b = high;
    return true;
}

template <typename Pixel, typename HLine, typename VLine>
void outline(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2, std::int32_t color,
             Pixel* buffer, std::int32_t pitch, HLine hline, VLine vline) {
    if (y1 > y2) std::swap(y1, y2);
    hline(x1, x2, y1, color, buffer, pitch);
    if (y2 == y1) return;
    hline(x1, x2, y2, color, buffer, pitch);
    // The sides between the two rows, so that no pixel is drawn twice.
    if (y2 - 1 > y1) {
        vline(y1 + 1, y2 - 1, x1, color, buffer, pitch);
        if (x2 != x1) vline(y1 + 1, y2 - 1, x2, color, buffer, pitch);
    }
}

} // namespace

void draw_rect8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                std::int32_t color, std::uint8_t* buffer, std::int32_t pitch) {
    if (buffer == nullptr) return;
    outline(x1, y1, x2, y2, color, buffer, pitch, draw_hline8, draw_vline8);
}

void draw_rect16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                 std::int32_t color, std::uint16_t* buffer, std::int32_t pitch) {
    if (buffer == nullptr) return;
    outline(x1, y1, x2, y2, color, buffer, pitch, draw_hline16, draw_vline16);
}

void fill_rect8(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                std::int32_t color, std::uint8_t* buffer, std::int32_t pitch) {
    if (buffer == nullptr || !cut(x1, x2, clip_min_x, clip_max_x) ||
        !cut(y1, y2, clip_min_y, clip_max_y))
        return;
    const auto count = static_cast<std::size_t>(std::int64_t{x2} - x1 + 1);
    std::uint8_t* row = buffer + static_cast<std::ptrdiff_t>(y1) * pitch + x1;
    for (std::int64_t y = y1; y <= y2; ++y, row += pitch)
        std::memset(row, color & 0xFF, count);
}

void fill_rect16(std::int32_t x1, std::int32_t y1, std::int32_t x2, std::int32_t y2,
                 std::int32_t color, std::uint16_t* buffer, std::int32_t pitch) {
    if (buffer == nullptr || !cut(x1, x2, clip_min_x, clip_max_x) ||
        !cut(y1, y2, clip_min_y, clip_max_y))
        return;
    // Each row already cut in x; the line routine fills it with whole words.
    for (std::int64_t y = y1; y <= y2; ++y)
        draw_hline16(x1, x2, static_cast<std::int32_t>(y), color, buffer, pitch);
}
