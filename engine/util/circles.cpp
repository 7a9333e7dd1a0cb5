// Midpoint circles: one octant walked with an integer decision term and mirrored into the
// other seven. Positions are worked in 64 bits, so no centre and radius overflow them.
#include "engine/util/circles.h"

#include "engine/display/display_context.h"
#include "engine/util/lines.h"

#include <cstddef>
#include <cstring>

namespace {

template <typename Pixel> struct Target {
    std::int64_t cx, cy;
    std::int32_t color;
    Pixel* buffer;
    std::int32_t pitch; // in bytes, as the line routines take it
    std::ptrdiff_t row; // in pixels
};

// The row length in pixels: 16-bit pixels halve the byte pitch with an arithmetic shift.
template <typename Pixel> std::ptrdiff_t row_pixels(std::int32_t pitch) {
    return sizeof(Pixel) == 1 ? pitch : pitch >> 1;
}

bool empty_clip() {
    return clip_min_x > clip_max_x || clip_min_y > clip_max_y;
}

// Whether the square around the circle misses the clip rectangle.
template <typename Pixel> bool misses_clip(const Target<Pixel>& t, std::int64_t radius) {
    return empty_clip() || t.cx + radius < clip_min_x || t.cx - radius > clip_max_x ||
           t.cy + radius < clip_min_y || t.cy - radius > clip_max_y;
}

// Whether the clip rectangle lies so far inside the circle that the outline cannot reach it.
// Then nothing is walked, which keeps a huge radius from taking millions of steps off screen.
template <typename Pixel> bool clip_inside_disc(const Target<Pixel>& t, std::int64_t radius) {
    if (radius < 3) return false;
    const double inner = static_cast<double>(radius - 2);
    const std::int64_t xs[2] = {clip_min_x, clip_max_x}, ys[2] = {clip_min_y, clip_max_y};
    for (std::int64_t x : xs)
        for (std::int64_t y : ys) {
            const double dx = static_cast<double>(x - t.cx), dy = static_cast<double>(y - t.cy);
            if (dx * dx + dy * dy > inner * inner) return false;
        }
    return true;
}

void fill_span(std::uint8_t* at, std::size_t count, std::uint8_t value) {
    std::memset(at, value, count);
}
void fill_span(std::uint16_t* at, std::size_t count, std::uint16_t value) {
    // fill_words counts in 32 bits; a clip rectangle as wide as the int range comes in pieces.
    constexpr std::size_t piece = 1u << 30;
    for (; count > piece; count -= piece, at += piece)
        fill_words(at, value, static_cast<std::int32_t>(piece));
    fill_words(at, value, static_cast<std::int32_t>(count));
}

template <typename Pixel> void plot(const Target<Pixel>& t, std::int64_t x, std::int64_t y) {
    if (x < clip_min_x || x > clip_max_x || y < clip_min_y || y > clip_max_y) return;
    t.buffer[static_cast<std::ptrdiff_t>(y) * t.row + static_cast<std::ptrdiff_t>(x)] =
        static_cast<Pixel>(t.color);
}

template <typename Pixel> void plot8(const Target<Pixel>& t, std::int64_t x, std::int64_t y) {
    plot(t, t.cx + x, t.cy + y);
    plot(t, t.cx - x, t.cy + y);
    plot(t, t.cx + x, t.cy - y);
    plot(t, t.cx - x, t.cy - y);
    plot(t, t.cx + y, t.cy + x);
    plot(t, t.cx - y, t.cy + x);
    plot(t, t.cx + y, t.cy - x);
    plot(t, t.cx - y, t.cy - x);
}

// Rows cy + dy and cy - dy from cx - half to cx + half, cut to the clip rectangle. Written
// here rather than through the line routines: a disc is mostly short rows, and the calls and
// repeated checks would cost as much as the filling.
template <typename Pixel> void rows(const Target<Pixel>& t, std::int64_t dy, std::int64_t half) {
    std::int64_t left = t.cx - half, right = t.cx + half;
    if (right < clip_min_x || left > clip_max_x) return;
    if (left < clip_min_x) left = clip_min_x;
    if (right > clip_max_x) right = clip_max_x;
    const auto count = static_cast<std::size_t>(right - left + 1);
    const auto value = static_cast<Pixel>(t.color);
    const std::int64_t below = t.cy + dy, above = t.cy - dy;
    if (below >= clip_min_y && below <= clip_max_y)
        fill_span(t.buffer + below * t.row + left, count, value);
    if (dy != 0 && above >= clip_min_y && above <= clip_max_y)
        fill_span(t.buffer + above * t.row + left, count, value);
}

// One step of the walk from (x, y), x <= y: the next x and y and decision term.
void step(std::int64_t& x, std::int64_t& y, std::int64_t& d) {
    if (d < 0) {
        d += 2 * x + 3;
    } else {
        d += 2 * (x - y) + 5;
        --y;
    }
    ++x;
}

template <typename Pixel>
void outline(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
             Pixel* buffer, std::int32_t pitch) {
    const Target<Pixel> t = {cx, cy, color, buffer, pitch, row_pixels<Pixel>(pitch)};
    if (buffer == nullptr || radius < 0 || misses_clip(t, radius) || clip_inside_disc(t, radius))
        return;
    std::int64_t x = 0, y = radius, d = 1 - std::int64_t{radius};
    while (x <= y) {
        plot8(t, x, y);
        step(x, y, d);
    }
}

template <typename Pixel>
void disc(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color, Pixel* buffer,
          std::int32_t pitch) {
    const Target<Pixel> t = {cx, cy, color, buffer, pitch, row_pixels<Pixel>(pitch)};
    if (buffer == nullptr || radius < 0 || misses_clip(t, radius)) return;
    if (clip_inside_disc(t, radius)) {
        const auto count = static_cast<std::size_t>(std::int64_t{clip_max_x} - clip_min_x + 1);
        for (std::int64_t y = clip_min_y; y <= clip_max_y; ++y)
            fill_span(buffer + y * t.row + clip_min_x, count, static_cast<Pixel>(color));
        return;
    }
    // Rows cy +- x are met once each at their full width y. Rows cy +- y widen while y stays,
    // so each is drawn once, as y is about to change or the walk ends.
    std::int64_t x = 0, y = radius, d = 1 - std::int64_t{radius};
    while (x <= y) {
        rows(t, x, y);
        std::int64_t next_x = x, next_y = y;
        step(next_x, next_y, d);
        if (next_y != y || next_x > next_y) rows(t, y, x);
        x = next_x;
        y = next_y;
    }
}

} // namespace

void draw_circle8(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
                  std::uint8_t* buffer, std::int32_t pitch) {
    outline(cx, cy, radius, color, buffer, pitch);
}

void draw_circle16(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
                   std::uint16_t* buffer, std::int32_t pitch) {
    outline(cx, cy, radius, color, buffer, pitch);
}

void fill_circle8(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
                  std::uint8_t* buffer, std::int32_t pitch) {
    disc(cx, cy, radius, color, buffer, pitch);
}

void fill_circle16(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
                   std::uint16_t* buffer, std::int32_t pitch) {
    disc(cx, cy, radius, color, buffer, pitch);
}
