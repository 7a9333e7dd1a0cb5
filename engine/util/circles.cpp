// Midpoint circles: one octant walked with an integer decision term and mirrored into the
// other seven. Positions are worked in 64 bits, so no centre and radius overflow them.
#include "engine/util/circles.h"

#include "engine/display/display_context.h"
#include "engine/util/lines.h"

#include <algorithm>
#include <cmath>
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

// Row y (inside the clip rectangle's rows) from column left to right, cut to its columns.
// Written here rather than through the line routines: a disc is mostly short rows, and the
// calls and repeated checks would cost as much as the filling.
template <typename Pixel>
void span(const Target<Pixel>& t, std::int64_t y, std::int64_t left, std::int64_t right) {
    if (right < clip_min_x || left > clip_max_x || left > right) return;
    if (left < clip_min_x) left = clip_min_x;
    if (right > clip_max_x) right = clip_max_x;
    fill_span(t.buffer + y * t.row + left, static_cast<std::size_t>(right - left + 1),
              static_cast<Pixel>(t.color));
}

// Rows cy + dy and cy - dy from cx - half to cx + half.
template <typename Pixel> void rows(const Target<Pixel>& t, std::int64_t dy, std::int64_t half) {
    const std::int64_t below = t.cy + dy, above = t.cy - dy;
    if (below >= clip_min_y && below <= clip_max_y) span(t, below, t.cx - half, t.cx + half);
    if (dy != 0 && above >= clip_min_y && above <= clip_max_y)
        span(t, above, t.cx - half, t.cx + half);
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

// Radii beyond this are drawn row by row from the walk's closed form, so that a circle far
// larger than the screen costs its visible rows, not millions of steps off screen.
constexpr std::int64_t FAR_RADIUS = 4096;

using Wide = unsigned __int128;

// The largest n with n * n <= v.
std::int64_t isqrt(Wide v) {
    auto n = static_cast<std::int64_t>(std::sqrt(static_cast<long double>(v)));
    while (n > 0 && static_cast<Wide>(n) * static_cast<Wide>(n) > v)
        --n;
    while (static_cast<Wide>(n + 1) * static_cast<Wide>(n + 1) <= v)
        ++n;
    return n;
}

// The walk keeps, at each x of the first octant, the largest y whose midpoint (x, y - 1/2)
// lies inside the circle: x^2 + (y - 1/2)^2 < r^2. Worked in quarters to stay whole.
struct ClosedForm {
    std::int64_t r;

    // The walk's y at x, or -1 when no y fits.
    std::int64_t y_at(std::int64_t x) const {
        if (x > r) return -1;
        const Wide room = 4 * (static_cast<Wide>(r) * r - static_cast<Wide>(x) * x);
        if (room <= 1) return -1;
        std::int64_t k = isqrt(room - 1); // the largest k with k^2 < room
        if (k % 2 == 0) --k;              // 2y - 1 is odd
        return (k + 1) / 2;
    }
    // The last x whose y is at least `y`, or -1 when there is none.
    std::int64_t last_x_reaching(std::int64_t y) const {
        const Wide whole = 4 * static_cast<Wide>(r) * r;
        const Wide taken = static_cast<Wide>(2 * y - 1) * static_cast<Wide>(2 * y - 1);
        if (y > r || whole <= taken) return -1;
        return isqrt((whole - taken - 1) / 4); // 4x^2 < whole - taken
    }
};

// Row y of the outline at distance dy = |y - cy| from the centre: the octant's points (x, dy)
// with the walk's y equal to dy, and the mirrored point (y(dy), dy) while dy is in the octant.
// Each side is [low, high] of distances from cx; the disc fills out to the farthest.
struct FarRow {
    std::int64_t low, high; // the first family's distances; empty when low > high
    std::int64_t mirrored;  // -1 when none
};

FarRow far_row(const ClosedForm& form, std::int64_t dy) {
    FarRow row;
    row.low = form.last_x_reaching(dy + 1) + 1;
    row.high = std::min(form.last_x_reaching(dy), dy);
    const std::int64_t y = form.y_at(dy);
    row.mirrored = y >= dy ? y : -1;
    return row;
}

template <typename Pixel> void far_circle(const Target<Pixel>& t, std::int64_t r, bool filled) {
    const ClosedForm form = {r};
    const std::int64_t first = std::max<std::int64_t>(clip_min_y, t.cy - r);
    const std::int64_t last = std::min<std::int64_t>(clip_max_y, t.cy + r);
    for (std::int64_t y = first; y <= last; ++y) {
        const FarRow row = far_row(form, y < t.cy ? t.cy - y : y - t.cy);
        if (filled) {
            const std::int64_t half = std::max(row.mirrored, row.low <= row.high ? row.high : -1);
            if (half >= 0) span(t, y, t.cx - half, t.cx + half);
            continue;
        }
        if (row.low <= row.high) {
            span(t, y, t.cx + row.low, t.cx + row.high);
            span(t, y, t.cx - row.high, t.cx - row.low);
        }
        if (row.mirrored >= 0) {
            span(t, y, t.cx + row.mirrored, t.cx + row.mirrored);
            span(t, y, t.cx - row.mirrored, t.cx - row.mirrored);
        }
    }
}

template <typename Pixel>
void outline(std::int32_t cx, std::int32_t cy, std::int32_t radius, std::int32_t color,
             Pixel* buffer, std::int32_t pitch) {
    const Target<Pixel> t = {cx, cy, color, buffer, pitch, row_pixels<Pixel>(pitch)};
    if (buffer == nullptr || radius < 0 || misses_clip(t, radius) || clip_inside_disc(t, radius))
        return;
    if (radius > FAR_RADIUS) return far_circle(t, radius, false);
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
    if (radius > FAR_RADIUS) return far_circle(t, radius, true);
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
