// The filled-polygon walk in its plain form: 32-bit integers, one store per pixel a walker
// crosses, no clipping. Tests hold the engine's clipped fill to it pixel for pixel, and the
// benchmark measures what the clipping costs against it.
#pragma once

#include "engine/util/polygon.h"

#include <algorithm>
#include <cstdlib>

// Sink receives sink.plot(column, row) for each pixel a walker crosses and
// sink.span(row, first, last) for each row run. Vertices must keep every sum and difference
// within 32 bits, and the polygon must have at least one vertex.
template <typename Sink> void reference_polygon_walk(const Polygon& polygon, Sink& sink) {
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
    aim(left, top);
    left.column = right.column = left.target_column;
    left.row = right.row = left.target_row;
    aim(left, top == 0 ? count - 1 : top - 1);
    aim(right, top == count - 1 ? 0 : top + 1);
    for (int edges_left = count - 1; edges_left > 0;) {
        for (Walker* w : {&left, &right}) {
            w->error = 0;
            w->dx = std::abs(w->target_column - w->column);
            w->step = w->target_column < w->column ? -1 : 1;
            w->dy = std::abs(w->target_row - w->row);
            w->x_major = w->dx > w->dy;
            w->counter = w->x_major ? w->dx : w->dy;
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
            aim(left, left.target == 0 ? count - 1 : left.target - 1);
        }
        if (right.counter == 0) {
            --edges_left;
            aim(right, right.target == count - 1 ? 0 : right.target + 1);
        }
    }
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
