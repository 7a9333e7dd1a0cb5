// The filled-polygon walk in its plain form: 32-bit integers, one store per pixel a walker
// crosses, no clipping. Tests hold the engine's clipped fill to it pixel for pixel, and the
// benchmark measures what the clipping costs against it. Taken literally the walk lets a
// walker head down towards a vertex above its row; kept_to_rows walks as the engine does.
#pragma once

#include "engine/util/polygon.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

// Sink receives sink.plot(column, row) for each pixel a walker crosses and
// sink.span(row, first, last) for each row run. Vertices must keep every sum and difference
// within 32 bits, and the polygon must have at least one vertex. Returns whether a walker of
// the literal walk headed (or, kept to rows, would have headed) for a vertex above its row.
template <typename Sink>
bool reference_polygon_walk(const Polygon& polygon, Sink& sink, bool kept_to_rows = false) {
    struct Walker {
        int target, target_column, target_row, column, row;
        int dx, dy, step, error, counter;
        bool x_major;
    };
    const int count = polygon.num_verts;
    const Point2D* v = polygon.vlist;
    int top = 0;
    int top_y = static_cast<int>(v[0].y);
    for (int i = 1; i < count; ++i)
        if (top_y > v[i].y) {
            top = i;
            top_y = static_cast<int>(v[i].y);
        }
    const auto aim = [&](Walker& w, int vertex) {
        w.target = vertex;
        w.target_column = static_cast<int>(polygon.x0 + v[vertex].x);
        w.target_row = static_cast<int>(polygon.y0 + v[vertex].y);
    };
    Walker left{}, right{};
    // The left walker goes backwards round the vertices.
    const auto following = [&](const Walker& w, int vertex) {
        if (&w == &left) return vertex == 0 ? count - 1 : vertex - 1;
        return vertex == count - 1 ? 0 : vertex + 1;
    };
    bool above = false;
    aim(left, top);
    left.column = right.column = left.target_column;
    left.row = right.row = left.target_row;
    aim(left, following(left, top));
    aim(right, following(right, top));
    for (int edges_left = count - 1; edges_left > 0;) {
        // Kept to rows, a walker below its target takes the target's column without a row.
        for (Walker* w : {&left, &right})
            while (kept_to_rows && w->target_row < w->row) {
                above = true;
                w->column = w->target_column;
                if (--edges_left == 0) return above;
                aim(*w, following(*w, w->target));
            }
        for (Walker* w : {&left, &right}) {
            above |= w->target_row < w->row;
            w->error = 0;
            w->dx = std::abs(w->target_column - w->column);
            w->step = w->target_column < w->column ? -1 : 1;
            w->dy = std::abs(w->target_row - w->row);
            w->x_major = w->dx > w->dy;
            w->counter = w->x_major ? w->dx : w->dy;
        }
        // Kept to rows, a level edge that the walk outlasts takes the rest of its run along the
        // row in the same direction; the literal walk would cross it a row further down.
        for (auto [w, other] : {std::pair{&left, &right}, std::pair{&right, &left}}) {
            const bool other_moves = other->dx != 0 || other->dy != 0;
            if (!kept_to_rows || w->dy != 0 || w->dx == 0 || !other_moves ||
                edges_left - 1 - (other->dy <= 1) <= 0)
                continue;
            for (int after = following(*w, w->target);; after = following(*w, w->target)) {
                const int column = static_cast<int>(polygon.x0 + v[after].x);
                if (static_cast<int>(polygon.y0 + v[after].y) != w->row ||
                    (column - w->target_column) * w->step <= 0)
                    break;
                above = true;
                aim(*w, after);
                if (--edges_left == 0) return above;
            }
            w->dx = w->counter = std::abs(w->target_column - w->column);
        }
        while (left.counter != 0 && right.counter != 0) {
            for (Walker* w : {&left, &right}) {
                if (w->x_major) {
                    while (w->error < w->dx && w->counter > 0) {
                        --w->counter;
                        w->column += w->step;
                        w->error += w->dy;
                        if (w->error < w->dx) sink.plot(w->column, w->row);
                    }
                    w->error -= w->dx;
                } else {
                    w->error += w->dx;
                    if (w->error >= w->dy) {
                        w->error -= w->dy;
                        w->column += w->step;
                    }
                    --w->counter;
                }
            }
            sink.span(left.row, std::min(left.column, right.column),
                      std::max(left.column, right.column));
            ++left.row;
            ++right.row;
        }
        if (left.counter == 0) {
            --edges_left;
            aim(left, following(left, left.target));
        }
        if (right.counter == 0) {
            --edges_left;
            aim(right, following(right, right.target));
        }
    }
    return above;
}

// Stores straight into pixel memory, as the walk did before it was clipped.
template <typename Pixel> struct UnclippedSink {
    Pixel* buffer;
    int row_pixels;
    Pixel color;
    void plot(int column, int row) { buffer[row * row_pixels + column] = color; }
    void span(int row, int first, int last) {
        std::fill(buffer + row * row_pixels + first, buffer + row * row_pixels + last + 1, color);
    }
};
