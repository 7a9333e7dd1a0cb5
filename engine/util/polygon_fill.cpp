// Filled polygons: two integer edge walkers run down the outline from the top vertex, one on
// each side, and the row between them is filled after each step. Both depths share one walk.
//
// The walk is cut to the clip rectangle without changing a single pixel inside it:
// - Every row is one run of pixels. A walker that crosses several columns in a row stores
//   the columns from the one after where it stood to the one where it stops (the last
//   crossing is left out unless it ends the edge, and that column is in the run anyway), and
//   the column it stops at lies inside the run between the two walkers. So the walkers'
//   stores and the run between them always join into one run, which is cut to the clip
//   columns and filled in one go.
// - Rows above the clip rectangle are not walked: a walker's column and error term
//   after k rows of an edge follow from k * dx / dy in closed form. Once the walkers pass
//   its bottom row the fill stops, as rows only ever grow.
// - A walker that crosses many columns per row takes them in one step too: with
//   dx = q * dy + r it crosses q columns in a row whose error term starts at r or more and
//   q + 1 otherwise, so no row costs more than a few operations however far apart the
//   vertices are. (The last row of an edge is no exception: what that rule gives is exactly
//   what is left of the edge, so the walker's column counter is not needed; an edge is done
//   after its rows, dy of them, or one for a level edge.)
// Vertices that share a row: a level edge costs its walker a row, so a walker could be left
// below the next vertex it heads for, and walking down towards it would spill rows under the
// shape. A run of vertices along one row is therefore walked as one level edge, and a walker
// that still finds its vertex above it takes that vertex's column without a row. Neither
// happens where no walker would head for a vertex above its row, so such shapes keep every
// pixel. Nothing is filled above the top vertex's row or below the bottom vertex's. Both are
// settled before a pass's edges are set up, and only when a walker's vertex lies on its row
// or above it, so the passes of other shapes pay one comparison for them.
// Vertex positions are clamped to the 32-bit range (see truncate_to_int32) and walked in 64
// bits, so every polygon whose vertices lie within that range is drawn exactly. Clamping the
// vertices to a smaller range instead would bend every edge whose far end lies beyond it.
#include "engine/display/display_context.h"
#include "engine/util/polygon_fill.h"
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
    walker.dy = walker.target_row - row; // never above the walker: see ready_walkers
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

// The vertex after `vertex` on a walker's way round: the left walker goes backwards.
std::int32_t following(std::int32_t vertex, std::int32_t count, bool backwards) {
    return backwards ? previous_vertex(vertex, count) : next_vertex(vertex, count);
}

// Where a level edge leaves its walker one row down, a next vertex on that same row would lie
// above it, and so would a vertex further up the far side once the walkers pass the bottom.
// Such a walker takes the vertex's column without a row and goes on, so it never walks down
// towards a vertex above it. Returns the edges left, 0 once that used up the last one.
[[gnu::always_inline]] inline std::int32_t
pass_vertices_above(EdgeWalker& walker, const Polygon* polygon, std::int32_t count, bool backwards,
                    std::int64_t row, std::int32_t edges_left) {
    while (edges_left > 0 && walker.target_row < row) {
        walker.column = walker.target_column;
        if (--edges_left > 0) aim_at(walker, polygon, following(walker.target, count, backwards));
    }
    return edges_left;
}

// The rows the walker's edge would take from `row`, as start_edge finds them: its rows down
// to the target, and one for an edge along its row.
inline std::int64_t rows_ahead(const EdgeWalker& walker, std::int64_t row) {
    const std::int64_t dy = walker.target_row - row;
    return dy == 0 && walker.target_column != walker.column ? 1 : dy;
}

// A level edge costs its walker a row, so a run of vertices along one row would be walked one
// edge a row, each next vertex then above the walker. Where the walk outlasts the level edge
// (the other walker moves, and edges are left once this pass is done) and the run goes on in
// the same direction, the walker takes the whole run as one level edge instead; a level edge
// alone, or one that ends the walk, is walked as ever. Returns the edges left; 0 when the run
// was all that was left to walk, which then lies along the row the walkers stand on and is
// left unfilled, as a single bottom edge would be.
[[gnu::always_inline]] inline std::int32_t
join_level_run(EdgeWalker& walker, std::int64_t other_rows, const Polygon* polygon,
               std::int32_t count, bool backwards, std::int64_t row, std::int32_t edges_left) {
    if (walker.target_row != row || walker.target_column == walker.column || other_rows == 0 ||
        edges_left - 1 - (other_rows == 1) <= 0)
        return edges_left;
    const std::int64_t step = walker.target_column > walker.column ? 1 : -1;
    for (;;) {
        const std::int32_t after = following(walker.target, count, backwards);
        const std::int64_t column = screen_coordinate(polygon->x0, polygon->vlist[after].x);
        if (screen_coordinate(polygon->y0, polygon->vlist[after].y) != row ||
            (column - walker.target_column) * step <= 0)
            return edges_left;
        walker.target = after;
        walker.target_column = column;
        if (--edges_left == 0) return 0;
    }
}

// Readies both walkers for the edges they walk from `row` on. Only a vertex on a walker's row
// or above it asks for more than setting the walkers up: each then first takes any vertex
// above its row and then a run of vertices along its row in one. Returns the edges left, 0
// when nothing is left to walk.
// This and the steps it takes are kept inline: a walker whose address reached a call would
// live in memory for the whole fill, which costs more than all of the checks.
[[gnu::always_inline]] inline std::int32_t ready_walkers(EdgeWalker& left, EdgeWalker& right,
                                                         const Polygon* polygon, std::int32_t count,
                                                         std::int64_t row,
                                                         std::int32_t edges_left) {
    if (std::min(left.target_row, right.target_row) <= row) {
        edges_left = pass_vertices_above(left, polygon, count, true, row, edges_left);
        edges_left = pass_vertices_above(right, polygon, count, false, row, edges_left);
        edges_left =
            join_level_run(left, rows_ahead(right, row), polygon, count, true, row, edges_left);
        edges_left =
            join_level_run(right, rows_ahead(left, row), polygon, count, false, row, edges_left);
        if (edges_left == 0) return 0;
    }
    start_edge(left, row);
    start_edge(right, row);
    return edges_left;
}

// Walks the pass's `rows` rows from `row`: those above the clip rectangle in closed form,
// those in it row by row. Returns whether the pass reached its end rather than the clip
// rectangle's bottom row.
template <typename Pixel>
bool walk_pass(EdgeWalker& left, EdgeWalker& right, std::int64_t row, std::int64_t rows,
               Pixel* buffer, std::ptrdiff_t row_pixels, Pixel color) {
    const std::int64_t hidden = std::clamp<std::int64_t>(clip_min_y - row, 0, rows);
    if (hidden > 0) {
        skip_rows(left, hidden);
        skip_rows(right, hidden);
    }
    const std::int64_t first = row + hidden;
    const std::int64_t shown = std::min<std::int64_t>(clip_max_y + 1 - first, rows - hidden);
    if (shown <= 0) return hidden + shown >= rows;
    switch (left.x_major * 2 + right.x_major) {
    case 0:
        walk_rows<Pixel, false, false>(left, right, first, shown, buffer, row_pixels, color);
        break;
    case 1:
        walk_rows<Pixel, false, true>(left, right, first, shown, buffer, row_pixels, color);
        break;
    case 2:
        walk_rows<Pixel, true, false>(left, right, first, shown, buffer, row_pixels, color);
        break;
    default:
        walk_rows<Pixel, true, true>(left, right, first, shown, buffer, row_pixels, color);
        break;
    }
    return hidden + shown >= rows;
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

// The vertices to walk; 0 when there is no polygon, no buffer, no vertex or no clip rectangle.
std::int32_t vertices_to_fill(const Polygon* polygon, const void* buffer) {
    if (!polygon || !buffer || clip_min_x > clip_max_x || clip_min_y > clip_max_y) return 0;
    return polygon_vertex_count(polygon);
}

template <typename Pixel>
void fill_polygon(const Polygon* polygon, Pixel* buffer, std::ptrdiff_t row_pixels) {
    const std::int32_t count = vertices_to_fill(polygon, buffer);
    if (count == 0) return;
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
        edges_left = ready_walkers(left, right, polygon, count, row, edges_left);
        if (edges_left == 0) return;
        const std::int64_t rows = std::min(left.rows, right.rows);
        if (!walk_pass(left, right, row, rows, buffer, row_pixels, color)) return;
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

void draw_filled_polygon8(const Polygon* polygon, std::uint8_t* buffer, std::int32_t pitch) {
    fill_polygon(polygon, buffer, pitch);
}

void draw_filled_polygon16(const Polygon* polygon, std::uint16_t* buffer, std::int32_t pitch) {
    fill_polygon(polygon, buffer, pitch >> 1);
}
