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
// - Rows above the clip rectangle are not walked: a walker's column, error term and counter
//   after k rows of an edge follow from k * dx / dy in closed form. Once the walkers pass
//   its bottom row the fill stops, as rows only ever grow.
// - A walker that crosses many columns per row takes them in one step too: with
//   dx = q * dy + r it crosses q columns in a row whose error term starts at r or more and
//   q + 1 otherwise (or what is left of the edge), so no row costs more than a few
//   operations however far apart the vertices are.
// Vertex positions are clamped to the 32-bit range (see truncate_to_int32) and walked in 64
// bits, so every polygon whose vertices lie within that range is drawn exactly.
#include "engine/display/display_context.h"
#include "engine/util/lines.h"
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
    std::int64_t dx; // distances to the target, both at least 0
    std::int64_t dy;
    std::int64_t step; // +1 or -1 column
    std::int64_t error;
    std::int64_t counter; // columns (x-major) or rows (y-major) still to go
    bool x_major;
    // x-major only: dx = columns_per_row * dy + longer_below; a row whose error term starts
    // below longer_below crosses one column more. A level edge is crossed in one row.
    std::int64_t columns_per_row;
    std::int64_t longer_below;
};

void aim_at(EdgeWalker& walker, const Polygon* polygon, std::int32_t vertex) {
    walker.target = vertex;
    walker.target_column = screen_coordinate(polygon->x0, polygon->vlist[vertex].x);
    walker.target_row = screen_coordinate(polygon->y0, polygon->vlist[vertex].y);
}

// Sets the walker up for the edge from where it stands and returns how many rows it takes:
// an x-major edge crosses one row per unit of dy (a level one a single row), a y-major one
// dy rows. Rows are at most the clip rectangle's bottom here, so dx and dy stay below 2^32.
std::int64_t start_edge(EdgeWalker& walker, std::int64_t row) {
    walker.dx = walker.target_column - walker.column;
    walker.step = walker.dx < 0 ? -1 : 1;
    walker.dx *= walker.step;
    walker.dy = walker.target_row - row;
    if (walker.dy < 0) walker.dy = -walker.dy;
    walker.error = 0;
    walker.x_major = walker.dx > walker.dy;
    if (!walker.x_major) {
        walker.counter = walker.dy;
        return walker.dy;
    }
    walker.counter = walker.dx;
    walker.columns_per_row = walker.dy ? walker.dx / walker.dy : walker.dx;
    walker.longer_below = walker.dy ? walker.dx % walker.dy : 0;
    return walker.dy ? walker.dy : 1;
}

// Moves the walker `rows` rows down its edge without drawing; rows is at most the edge's.
void skip_rows(EdgeWalker& walker, std::int64_t rows) {
    if (rows == 0) return;
    if (walker.dy == 0) { // a level edge, crossed in its one row
        walker.column += walker.step * walker.dx;
        walker.counter = 0;
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
        walker.counter -= rows;
        return;
    }
    // Each row ends on the first column whose error reaches dx: ceil(rows * dx / dy).
    const std::int64_t columns = whole + (part != 0);
    walker.column += walker.step * columns;
    walker.counter -= columns;
    walker.error = part != 0 ? walker.dy - part : 0;
}

struct Run {
    std::int64_t first;
    std::int64_t last;
};

// One row's step; returns the columns the walker covers in that row.
inline Run step_row(EdgeWalker& walker) {
    if (!walker.x_major) {
        walker.error += walker.dx;
        if (walker.error >= walker.dy) {
            walker.error -= walker.dy;
            walker.column += walker.step;
        }
        --walker.counter;
        return {walker.column, walker.column};
    }
    const std::int64_t columns =
        std::min(walker.columns_per_row + (walker.error < walker.longer_below), walker.counter);
    const std::int64_t from = walker.column + walker.step;
    walker.column += walker.step * columns;
    walker.error += columns * walker.dy - walker.dx;
    walker.counter -= columns;
    return {std::min(from, walker.column), std::max(from, walker.column)};
}

inline void fill_run(std::uint8_t* at, std::uint8_t color, std::int64_t count) {
    std::memset(at, color, static_cast<std::size_t>(count));
}

inline void fill_run(std::uint16_t* at, std::uint16_t color, std::int64_t count) {
    fill_words(at, color, static_cast<std::int32_t>(count));
}

std::int32_t previous_vertex(std::int32_t vertex, std::int32_t count) {
    return vertex == 0 ? count - 1 : vertex - 1;
}

std::int32_t next_vertex(std::int32_t vertex, std::int32_t count) {
    return vertex == count - 1 ? 0 : vertex + 1;
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
        const std::int64_t rows = std::min(start_edge(left, row), start_edge(right, row));
        const std::int64_t hidden = std::clamp<std::int64_t>(clip_min_y - row, 0, rows);
        skip_rows(left, hidden);
        skip_rows(right, hidden);
        row += hidden;
        const std::int64_t shown = std::min<std::int64_t>(clip_max_y + 1 - row, rows - hidden);
        for (const std::int64_t end = row + shown; row < end; ++row) {
            const Run a = step_row(left);
            const Run b = step_row(right);
            const std::int64_t first =
                std::max<std::int64_t>(std::min(a.first, b.first), clip_min_x);
            const std::int64_t last = std::min<std::int64_t>(std::max(a.last, b.last), clip_max_x);
            if (first <= last) fill_run(buffer + row * row_pixels + first, color, last - first + 1);
        }
        if (shown < rows - hidden) return; // stopped at the clip rectangle's bottom row
        if (left.counter == 0) {
            --edges_left;
            aim_at(left, polygon, previous_vertex(left.target, count));
        }
        if (right.counter == 0) {
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
