// Horizontal and vertical lines cut to the clip rectangle.
#include "engine/display/display_context.h"
#include "engine/util/lines.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

// Orders the span a..b and cuts it to [low, high]; false when nothing of it is left. An
// empty range (low > high, which callers may set) leaves nothing.
bool cut_span(std::int32_t& a, std::int32_t& b, std::int32_t low, std::int32_t high) {
    if (a > b) std::swap(a, b);
    if (a > high || b < low) return false;
    if (a < low) a = low;
    if (b > high) b = high;
    return a <= b;
}

bool inside_range(std::int32_t v, std::int32_t low, std::int32_t high) {
    return v >= low && v <= high;
}

// The count of a cut span: 64 bits wide, as the rectangle may cover the whole int range.
std::size_t span_length(std::int32_t a, std::int32_t b) {
    return static_cast<std::size_t>(std::int64_t{b} - a + 1);
}

template <typename Pixel>
void draw_vline(std::int32_t y1, std::int32_t y2, std::int32_t x, std::int32_t color, Pixel* buffer,
                std::ptrdiff_t row) {
    if (!inside_range(x, clip_min_x, clip_max_x)) return;
    if (!cut_span(y1, y2, clip_min_y, clip_max_y)) return;
    Pixel* p = buffer + static_cast<std::ptrdiff_t>(y1) * row + x;
    const Pixel value = static_cast<Pixel>(color);
    for (std::size_t n = span_length(y1, y2); n > 1; --n, p += row)
        *p = value;
    *p = value; // the last row, without the step past it
}

} // namespace

void draw_hline8(std::int32_t x1, std::int32_t x2, std::int32_t y, std::int32_t color,
                 std::uint8_t* buffer, std::int32_t pitch) {
    if (!inside_range(y, clip_min_y, clip_max_y)) return;
    if (!cut_span(x1, x2, clip_min_x, clip_max_x)) return;
    std::memset(buffer + static_cast<std::ptrdiff_t>(y) * pitch + x1, color & 0xFF,
                span_length(x1, x2));
}

void draw_hline16(std::int32_t x1, std::int32_t x2, std::int32_t y, std::int32_t color,
                  std::uint16_t* buffer, std::int32_t pitch) {
    if (!inside_range(y, clip_min_y, clip_max_y)) return;
    if (!cut_span(x1, x2, clip_min_x, clip_max_x)) return;
    std::uint16_t* start = buffer + static_cast<std::ptrdiff_t>(y) * (pitch >> 1) + x1;
    // fill_words counts in 32 bits; a span as wide as the whole int range comes in pieces.
    for (std::size_t left = span_length(x1, x2); left > 0;) {
        const std::size_t piece = std::min<std::size_t>(left, INT32_MAX);
        fill_words(start, static_cast<std::uint16_t>(color), static_cast<std::int32_t>(piece));
        start += piece;
        left -= piece;
    }
}

void draw_vline8(std::int32_t y1, std::int32_t y2, std::int32_t x, std::int32_t color,
                 std::uint8_t* buffer, std::int32_t pitch) {
    draw_vline(y1, y2, x, color, buffer, pitch);
}

void draw_vline16(std::int32_t y1, std::int32_t y2, std::int32_t x, std::int32_t color,
                  std::uint16_t* buffer, std::int32_t pitch) {
    draw_vline(y1, y2, x, color, buffer, pitch >> 1);
}
