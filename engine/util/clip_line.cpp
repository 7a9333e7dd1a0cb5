// Cutting a line to the clip rectangle with region codes. Each end point's replacement is
// worked out once, from the end points as passed in, and the result is kept only when both
// replacements land inside the rectangle.
#include "engine/display/display_context.h"
#include "engine/util/lines.h"

#include <cstdint>

namespace {

constexpr int LEFT = 1;
constexpr int RIGHT = 2;
constexpr int BOTTOM = 4;
constexpr int TOP = 8;

int region_code(std::int64_t x, std::int64_t y) {
    int code = 0;
    if (y < clip_min_y)
        code = TOP;
    else if (y > clip_max_y)
        code = BOTTOM;
    if (x < clip_min_x)
        code |= LEFT;
    else if (x > clip_max_x)
        code |= RIGHT;
    return code;
}

// a * b / c truncated toward zero, exactly. Callers only ask for a quotient no larger than
// |b| (the edge lies between the two end points), but the product of two differences of
// 32-bit values can pass 2^63, so it is formed on magnitudes in unsigned 64 bits.
std::int64_t scaled_quotient(std::int64_t a, std::int64_t b, std::int64_t c) {
    const bool negative = ((a < 0) != (b < 0)) != (c < 0);
    const std::uint64_t magnitude = static_cast<std::uint64_t>(a < 0 ? -a : a) *
                                    static_cast<std::uint64_t>(b < 0 ? -b : b) /
                                    static_cast<std::uint64_t>(c < 0 ? -c : c);
    const auto q = static_cast<std::int64_t>(magnitude);
    return negative ? -q : q;
}

// The whole number plus one half, truncated toward zero: negative sums move up by one.
std::int64_t rounded(std::int64_t sum) {
    return sum < 0 ? sum + 1 : sum;
}

struct Point {
    std::int64_t x;
    std::int64_t y;
};

bool inside_columns(std::int64_t x) {
    return x >= clip_min_x && x <= clip_max_x;
}

bool inside(Point p) {
    return inside_columns(p.x) && p.y >= clip_min_y && p.y <= clip_max_y;
}

// Where the line from `from` to `to` meets the edge of `from`'s region code, computed
// around `from`. Single edges of the second end point keep the plain integer sum; every
// other case takes the rounded form. Corners try the row first and fall back to the column.
Point replacement(Point from, Point to, int code, bool round_single_edges) {
    const auto at_row = [&](std::int64_t row, bool round) {
        const std::int64_t x = from.x + scaled_quotient(row - from.y, to.x - from.x, to.y - from.y);
        return Point{round ? rounded(x) : x, row};
    };
    const auto at_column = [&](std::int64_t column, bool round) {
        const std::int64_t y =
            from.y + scaled_quotient(column - from.x, to.y - from.y, to.x - from.x);
        return Point{column, round ? rounded(y) : y};
    };
    const std::int64_t row = (code & TOP) ? clip_min_y : clip_max_y;
    const std::int64_t column = (code & LEFT) ? clip_min_x : clip_max_x;
    if ((code & (TOP | BOTTOM)) == 0) return at_column(column, round_single_edges);
    if ((code & (LEFT | RIGHT)) == 0) return at_row(row, round_single_edges);
    const Point on_row = at_row(row, true);
    return inside_columns(on_row.x) ? on_row : at_column(column, true);
}

} // namespace

std::int32_t clip_line(std::int32_t& x0, std::int32_t& y0, std::int32_t& x1, std::int32_t& y1) {
    // An empty rectangle shows nothing, and the arithmetic below relies on its edges being
    // in order (an edge crossed lies between the two end points).
    if (clip_min_x > clip_max_x || clip_min_y > clip_max_y) return 0;
    const Point start{x0, y0};
    const Point end{x1, y1};
    const int start_code = region_code(start.x, start.y);
    const int end_code = region_code(end.x, end.y);
    if (start_code & end_code) return 0;
    if (start_code == 0 && end_code == 0) return 1;
    const Point new_start = start_code ? replacement(start, end, start_code, true) : start;
    const Point new_end = end_code ? replacement(end, start, end_code, false) : end;
    if (!inside(new_start) || !inside(new_end)) return 0;
    x0 = static_cast<std::int32_t>(new_start.x);
    y0 = static_cast<std::int32_t>(new_start.y);
    x1 = static_cast<std::int32_t>(new_end.x);
    y1 = static_cast<std::int32_t>(new_end.y);
    return 1;
}
