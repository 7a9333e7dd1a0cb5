// Shared by the polygon tests: a polygon record over a vertex vector, seeded random shapes,
// and the rows a fill left in a buffer.
#pragma once

#include "engine/util/polygon.h"

#include <algorithm>
#include <cmath>
#include <ostream>
#include <random>
#include <vector>

// The polygon points into `vertices`, which must outlive it and keep its size.
inline Polygon polygon_over(std::vector<Point2D>& vertices, int x0, int y0, int color = 7) {
    Polygon polygon{};
    polygon.active = 1;
    polygon.num_verts = static_cast<int>(vertices.size());
    polygon.x0 = x0;
    polygon.y0 = y0;
    polygon.color = color;
    polygon.vlist = vertices.data();
    return polygon;
}

inline float uniform(std::mt19937& rng, float low, float high) {
    return std::uniform_real_distribution<float>(low, high)(rng);
}

inline int uniform_int(std::mt19937& rng, int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(rng);
}

// Points on an ellipse at increasing angles: convex, in order round the outline.
inline std::vector<Point2D> random_convex(std::mt19937& rng, int count, float radius_x,
                                          float radius_y) {
    std::vector<float> angles(static_cast<std::size_t>(count));
    for (float& angle : angles)
        angle = uniform(rng, 0.0f, 6.2831853f);
    std::sort(angles.begin(), angles.end());
    std::vector<Point2D> vertices;
    for (float angle : angles)
        vertices.push_back({radius_x * std::cos(angle), radius_y * std::sin(angle)});
    return vertices;
}

// Points anywhere in a box, in any order: mostly not convex, often self-crossing.
inline std::vector<Point2D> random_scatter(std::mt19937& rng, int count, float half_width,
                                           float half_height) {
    std::vector<Point2D> vertices;
    for (int i = 0; i < count; ++i)
        vertices.push_back(
            {uniform(rng, -half_width, half_width), uniform(rng, -half_height, half_height)});
    return vertices;
}

struct Span {
    int row;
    int first;
    int last;
};

// Each row of the visible area that holds changed pixels, as one span, in row order. A row
// whose changed pixels have a gap is returned with first > last so that it cannot match.
template <typename Buffer> std::vector<Span> changed_spans(const Buffer& buffer) {
    std::vector<Span> spans;
    for (int y = 0; y < buffer.height; ++y) {
        int first = -1, last = -1, count = 0;
        for (int x = 0; x < buffer.width; ++x)
            if (buffer.changed(x, y)) {
                if (first < 0) first = x;
                last = x;
                ++count;
            }
        if (count == 0) continue;
        spans.push_back(count == last - first + 1 ? Span{y, first, last} : Span{y, last, first});
    }
    return spans;
}

inline bool operator==(const Span& a, const Span& b) {
    return a.row == b.row && a.first == b.first && a.last == b.last;
}

inline std::ostream& operator<<(std::ostream& out, const Span& span) {
    return out << "row " << span.row << ": " << span.first << ".." << span.last;
}
