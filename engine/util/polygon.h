// Polygon objects: a position and a caller-owned vertex list around it, moved, turned
// and scaled directly or through 3 x 2 matrices, bounded, and outlined with clipped lines.
#pragma once

#include <cstdint>

// A point, or a vertex relative to its polygon's position.
struct Point2D {
    float x;
    float y;
};

// A polygon: a position, a colour and a vertex list that the caller owns.
struct Polygon {
    std::int32_t active; // 0: the outline operations draw nothing
    // Vertices in vlist.
    std::int32_t num_verts;
    std::int32_t x0; // position in screen pixels; vertices are relative to it
    std::int32_t y0;
    std::int32_t state; // free for the caller; no operation reads or writes these two
    std::int32_t attributes;
    // Outline and fill colour: its low byte at 8 bits, its low 16 bits at 16.
    std::int32_t color;
    // The vertices in order around the outline, relative to (x0, y0).
    Point2D* vlist;
};

// Row order: m[row][column]. A point is the row (x, y, 1) multiplied from the left.
struct Matrix3x2 {
    float m[3][2];
};
// Nine floats in row order, for the general product.
struct Matrix3x3 {
    float m[3][3];
};
// A row of three floats.
struct Matrix1x3 {
    float m[3];
};

// Moves the position; the vertices stay as they are.
std::int32_t translate_polygon(Polygon* polygon, std::int32_t dx, std::int32_t dy);
// Turns the vertices about the position by whole degrees; positive is clockwise on screen.
// Angles outside -360..360 are first reduced modulo 360.
std::int32_t rotate_polygon(Polygon* polygon, std::int32_t angle);
// Multiplies every vertex's x by sx and y by sy.
std::int32_t scale_polygon(Polygon* polygon, float sx, float sy);
// The same three through matrices.
std::int32_t translate_polygon_mat(Polygon* polygon, std::int32_t dx, std::int32_t dy);
std::int32_t rotate_polygon_mat(Polygon* polygon, std::int32_t angle);
std::int32_t scale_polygon_mat(Polygon* polygon, float sx, float sy);
// The box around the vertices and (0, 0), relative to the position; 0 when there are none.
std::int32_t polygon_bounding_box(const Polygon* polygon, float* min_x, float* max_x, float* min_y,
                                  float* max_y);
// The outline with clipped lines, closing from vertex 0 to the last; 0 when inactive or
// when there are no vertices or no buffer.
std::int32_t draw_polygon8(const Polygon* polygon, std::uint8_t* buffer, std::int32_t pitch);
// The same with 16-bit pixels.
std::int32_t draw_polygon16(const Polygon* polygon, std::uint16_t* buffer, std::int32_t pitch);

// Stores the six values in row order.
std::int32_t mat_init_3x2(Matrix3x2* matrix, float m00, float m01, float m10, float m11, float m20,
                          float m21);
// (x, y, 1) times the matrix; each running sum is rounded to a float. The result may be the
// point itself, as may a product's result be one of its factors below; null arguments give 0.
std::int32_t mat_mul_1x2_3x2(const Point2D* point, const Matrix3x2* matrix, Point2D* result);
// result = a times b; each running sum is rounded to a float.
std::int32_t mat_mul_3x3_3x3(const Matrix3x3* a, const Matrix3x3* b, Matrix3x3* result);
// result = row times matrix; each running sum is rounded to a float.
std::int32_t mat_mul_1x3_3x3(const Matrix1x3* row, const Matrix3x3* matrix, Matrix1x3* result);
