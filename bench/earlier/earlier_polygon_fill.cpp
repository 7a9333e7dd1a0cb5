// The filled polygon as it was before runs of vertices along one row were settled
// (commit b38bbaa), kept here unchanged so that the fill of today can be timed beside it in
// one run. It is not used outside the benchmarks and is not to be mended.
#include "engine/display/display_context.h"
#include "earlier_polygon_fill.h"
#include "engine/util/polygon_points.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstring>

namespace {

struct EdgeWalker {
    std::int32_t target; // index of the vertex it heads for
    std::int64_t target_column;
    std::int64_t target_row;
    std::int64_t column;
    std::int64_t error;
    // Set up afresh for every pass from where the walker stands.
    std::int64_t dx; // distances to the target, both at least 0
    std::int64_t dy;
    std::int64_t step; // +1 or -1 column
    std::int64_t rows; // rows the edge takes from here
    bool x_major;
    // x-major only: a row whose error term starts below longer_below moves one column more
    // than short_move (signed), and its error term changes by dy more than short_error.
    std::int64_t longer_below;
    std::int64_t short_move;
    std::int64_t short_error;
};

inline void aim_at(EdgeWalker& walker, const Polygon* polygon, std::int32_t vertex) {
    walker.target = vertex;
    walker.target_column = screen_coordinate(polygon->x0, polygon->vlist[vertex].x);
    walker.target_row = screen_coordinate(polygon->y0, polygon->vlist[vertex].y);
}

// Sets the walker up for its edge from where it stands. Rows are at most the clip
// rectangle's bottom here and columns never pass a vertex, so dx and dy stay below 2^32.
inline void start_edge(EdgeWalker& walker, std::int64_t row) {
    // Whether the target lies left or right changes from edge to edge without a pattern, so
    // the sign is taken by arithmetic rather than a branch.
    const std::int64_t difference = walker.target_column - walker.column;
    const std::int64_t sign = difference >> 63; // 0 or -1
    walker.step = sign | 1;
    walker.dx = (difference ^ sign) - sign;
    walker.dy = walker.target_row > row ? walker.target_row - row : row - walker.target_row;
    walker.error = 0;
    walker.x_major = walker.dx > walker.dy;
    if (!walker.x_major) {
        walker.rows = walker.dy;
        return;
    }
    if (walker.dy == 0) { // a level edge: all of it in one row
        walker.rows = 1;
        walker.longer_below = 0;
        walker.short_move = walker.step * walker.dx;
        walker.short_error = -walker.dx;
        return;
    }
    const auto dx = static_cast<std::uint32_t>(walker.dx);
    const auto dy = static_cast<std::uint32_t>(walker.dy);
    const std::int64_t whole = dx / dy;
    const std::int64_t part = dx % dy;
    walker.rows = walker.dy;
    walker.longer_below = part;
    walker.short_move = walker.step * whole;
    walker.short_error = -part;
}

// Moves the walker `rows` rows down its edge, more than none and at most the edge's, without
// drawing.
void skip_rows(EdgeWalker& walker, std::int64_t rows) {
    if (walker.dy == 0) { // a level edge
        walker.column += walker.short_move;
        return;
    }
    // Both factors are below 2^32, so the product fits in 64 unsigned bits.
    const std::uint64_t travel =
        static_cast<std::uint64_t>(rows) * static_cast<std::uint64_t>(walker.dx);
    const auto whole = static_cast<std::int64_t>(travel / static_cast<std::uint64_t>(walker.dy));
    const auto part = static_cast<std::int64_t>(travel % static_cast<std::uint64_t>(walker.dy));
    if (!walker.x_major) {
        walker.column += walker.step * whole;
        walker.error = part;
        return;
    }
    // Each row ends on the first column whose error reaches dx: ceil(rows * dx / dy) in all.
    walker.column += walker.step * (whole + (part != 0));
    walker.error = part != 0 ? walker.dy - part : 0;
}

struct Run {
    std::int64_t first;
    std::int64_t last;
};

// One row's step; returns the columns the walker covers in that row. Which way each test
// goes follows no pattern a branch predictor could learn, so they pick by mask instead.
template <bool XMajor> inline Run step_row(EdgeWalker& walker) {
    if constexpr (XMajor) {
        const std::int64_t longer = (walker.error - walker.longer_below) >> 63; // error < limit
        const std::int64_t from = walker.column + walker.step;
        walker.column += walker.short_move + (walker.step & longer);
        walker.error += walker.short_error + (walker.dy & longer);
        return {std::min(from, walker.column), std::max(from, walker.column)};
    } else {
        walker.error += walker.dx;
        const std::int64_t moves = ~((walker.error - walker.dy) >> 63); // error >= dy
        walker.error -= walker.dy & moves;
        walker.column += walker.step & moves;
        return {walker.column, walker.column};
    }
}

// Stores count copies of the colour. It is inline rather than a library call so that the
// walkers keep their state in registers from row to row. Runs are short and of every length,
// so it stores 16-, 8- or 4-byte blocks that overlap rather than loop to an exact end: up to
// 64 bytes take no loop at all, and the few length classes are the only branches.
template <typename Pixel> inline void fill_run(Pixel* at, Pixel color, std::int64_t count) {
    struct Block {
        std::uint64_t low, high;
    };
    // The colour repeated across 64 bits, e.g. 0x0101010101010101 times an 8-bit colour.
    const std::uint64_t pattern =
        color * (~std::uint64_t{0} / ((std::uint64_t{1} << (8 * sizeof(Pixel))) - 1));
    const Block block{pattern, pattern};
    auto* const bytes = reinterpret_cast<unsigned char*>(at);
    const auto size = static_cast<std::size_t>(count) * sizeof(Pixel);
    unsigned char* const end = bytes + size;
    if (size >= 32) {
        for (unsigned char* p = bytes + 32; p < end - 32; p += 32) {
            std::memcpy(p, &block, 16);
            std::memcpy(p + 16, &block, 16);
        }
        std::memcpy(bytes, &block, 16);
        std::memcpy(bytes + 16, &block, 16);
        std::memcpy(end - 32, &block, 16);
        std::memcpy(end - 16, &block, 16);
    } else if (size >= 16) {
        std::memcpy(bytes, &block, 16);
        std::memcpy(end - 16, &block, 16);
    } else if (size >= 8) {
        std::memcpy(bytes, &pattern, 8);
        std::memcpy(end - 8, &pattern, 8);
    } else if (size >= 4) {
        const auto quarter = static_cast<std::uint32_t>(pattern);
        std::memcpy(bytes, &quarter, 4);
        std::memcpy(end - 4, &quarter, 4);
    } else { // one to three 8-bit pixels, or one 16-bit pixel
        at[0] = color;
        at[count / 2] = color;
        at[count - 1] = color;
    }
}

// Walks both walkers down `count` rows from `row`, all inside the clip rectangle, filling each
// row. One copy per pair of walker kinds, so the loop holds no test of the kind.
template <typename Pixel, bool LeftXMajor, bool RightXMajor>
inline void walk_rows(EdgeWalker& left_walker, EdgeWalker& right_walker, std::int64_t row,
                      std::int64_t count, Pixel* buffer, std::ptrdiff_t row_pixels, Pixel color) {
    // Copies, so that the compiler can keep them in registers: a store into the pixels could
    // otherwise be a store into the walkers, which would then be read again after every row.
    EdgeWalker left = left_walker;
    EdgeWalker right = right_walker;
    const std::int64_t min_x = clip_min_x;
    const std::int64_t max_x = clip_max_x;
    // Row offsets are whole numbers; an address is made only for the pixels stored.
    for (std::int64_t offset = row * row_pixels; count > 0; --count, offset += row_pixels) {
        const Run a = step_row<LeftXMajor>(left);
        const Run b = step_row<RightXMajor>(right);
        const std::int64_t first = std::max(std::min(a.first, b.first), min_x);
        const std::int64_t last = std::min(std::max(a.last, b.last), max_x);
        if (first <= last) fill_run(buffer + (offset + first), color, last - first + 1);
    }
    left_walker.column = left.column; // the rest of the state is unchanged
    left_walker.error = left.error;
    right_walker.column = right.column;
    right_walker.error = right.error;
}

std::int32_t previous_vertex(std::int32_t vertex, std::int32_t count) {
    return vertex == 0 ? count - 1 : vertex - 1;
}

std::int32_t next_vertex(std::int32_t vertex, std::int32_t count) {
    const std::int32_t next = vertex + 1;
    return next == count ? 0 : next;
}

// The first vertex with the smallest y. The running minimum is kept truncated, as a whole
// number, and compared with each raw y, so a later vertex in the same pixel row can still
// win when its y is smaller than that whole number, and otherwise the earlier one stays.
std::int32_t top_vertex(const Point2D* vertices, std::int32_t count) {
    std::int32_t top = 0;
    float lowest = std::trunc(vertices[0].y);
    for (std::int32_t i = 1; i < count; ++i)
        if (lowest > vertices[i].y) {
            top = i;
            lowest = std::trunc(vertices[i].y);
        }
    return top;
}

template <typename Pixel>
void fill_polygon(const Polygon* polygon, Pixel* buffer, std::ptrdiff_t row_pixels) {
    if (!polygon || !buffer) return;
    const std::int32_t count = polygon_vertex_count(polygon);
    if (count == 0 || clip_min_x > clip_max_x || clip_min_y > clip_max_y) return;
    const Pixel color = static_cast<Pixel>(polygon->color);
    const std::int32_t top = top_vertex(polygon->vlist, count);
    EdgeWalker left{};
    EdgeWalker right{};
    // Both walkers start on the top vertex; their rows are always the same, so one is kept.
    left.column = right.column = screen_coordinate(polygon->x0, polygon->vlist[top].x);
    std::int64_t row = screen_coordinate(polygon->y0, polygon->vlist[top].y);
    aim_at(left, polygon, previous_vertex(top, count));
    aim_at(right, polygon, next_vertex(top, count));

    for (std::int32_t edges_left = count - 1; edges_left > 0;) {
        if (row > clip_max_y) return;
        start_edge(left, row);
        start_edge(right, row);
        const std::int64_t rows = std::min(left.rows, right.rows);
        const std::int64_t hidden = std::clamp<std::int64_t>(clip_min_y - row, 0, rows);
        if (hidden > 0) {
            skip_rows(left, hidden);
            skip_rows(right, hidden);
        }
        const std::int64_t shown =
            std::min<std::int64_t>(clip_max_y + 1 - (row + hidden), rows - hidden);
        if (shown > 0) {
            const std::int64_t first_row = row + hidden;
            switch (left.x_major * 2 + right.x_major) {
            case 0:
                walk_rows<Pixel, false, false>(left, right, first_row, shown, buffer, row_pixels,
                                               color);
                break;
            case 1:
                walk_rows<Pixel, false, true>(left, right, first_row, shown, buffer, row_pixels,
                                              color);
                break;
            case 2:
                walk_rows<Pixel, true, false>(left, right, first_row, shown, buffer, row_pixels,
                                              color);
                break;
            default:
                walk_rows<Pixel, true, true>(left, right, first_row, shown, buffer, row_pixels,
                                             color);
                break;
            }
        }
        if (hidden + shown < rows) return; // stopped at the clip rectangle's bottom row
        row += rows;
        if (left.rows == rows) {
            --edges_left;
            aim_at(left, polygon, previous_vertex(left.target, count));
        }
        if (right.rows == rows) {
            --edges_left;
            aim_at(right, polygon, next_vertex(right.target, count));
        }
    }
}

} // namespace

void earlier_draw_filled_polygon8(const Polygon* polygon, std::uint8_t* buffer,
                                  std::int32_t pitch) {
    fill_polygon(polygon, buffer, pitch);
}
