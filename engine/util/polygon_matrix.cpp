// 3 x 2 and 3 x 3 matrix products, and the polygon transforms that go through them. Every
// product and every running sum is rounded to a float on its own, one assignment each, so
// the results do not depend on how the compiler could otherwise combine the steps.
#include "engine/util/polygon.h"
#include "engine/util/polygon_points.h"

namespace {

// ((0 + a0 * b0) + a1 * b1) + a2 * b2, rounded after each step.
float dot3(float a0, float b0, float a1, float b1, float a2, float b2) {
    float sum = 0.0f;
    float product = a0 * b0;
    sum = sum + product;
    product = a1 * b1;
    sum = sum + product;
    product = a2 * b2;
    sum = sum + product;
    return sum;
}

// Every vertex replaced by itself times the matrix.
void transform_vertices(Polygon* polygon, const Matrix3x2& matrix) {
    const std::int32_t count = polygon_vertex_count(polygon);
    for (std::int32_t i = 0; i < count; ++i)
        mat_mul_1x2_3x2(&polygon->vlist[i], &matrix, &polygon->vlist[i]);
}

} // namespace

std::int32_t mat_init_3x2(Matrix3x2* matrix, float m00, float m01, float m10, float m11, float m20,
                          float m21) {
    if (!matrix) return 0;
    *matrix = Matrix3x2{{{m00, m01}, {m10, m11}, {m20, m21}}};
    return 1;
}

std::int32_t mat_mul_1x2_3x2(const Point2D* point, const Matrix3x2* matrix, Point2D* result) {
    if (!point || !matrix || !result) return 0;
    // The point is the row (x, y, 1); multiplying by 1 is exact, so the translation is
    // simply added last. Both columns are formed before either is stored, as the result
    // may be the point itself.
    const Point2D out{
        dot3(point->x, matrix->m[0][0], point->y, matrix->m[1][0], 1.0f, matrix->m[2][0]),
        dot3(point->x, matrix->m[0][1], point->y, matrix->m[1][1], 1.0f, matrix->m[2][1])};
    *result = out;
    return 1;
}

std::int32_t mat_mul_3x3_3x3(const Matrix3x3* a, const Matrix3x3* b, Matrix3x3* result) {
    if (!a || !b || !result) return 0;
    Matrix3x3 out; // the result may be one of the factors
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out.m[i][j] =
                dot3(a->m[i][0], b->m[0][j], a->m[i][1], b->m[1][j], a->m[i][2], b->m[2][j]);
    *result = out;
    return 1;
}

std::int32_t mat_mul_1x3_3x3(const Matrix1x3* row, const Matrix3x3* matrix, Matrix1x3* result) {
    if (!row || !matrix || !result) return 0;
    Matrix1x3 out;
    for (int j = 0; j < 3; ++j)
        out.m[j] = dot3(row->m[0], matrix->m[0][j], row->m[1], matrix->m[1][j], row->m[2],
                        matrix->m[2][j]);
    *result = out;
    return 1;
}

std::int32_t translate_polygon_mat(Polygon* polygon, std::int32_t dx, std::int32_t dy) {
    if (!polygon) return 0;
    Matrix3x2 mt;
    mat_init_3x2(&mt, 1.0f, 0.0f, 0.0f, 1.0f, static_cast<float>(dx), static_cast<float>(dy));
    const Point2D p0{static_cast<float>(polygon->x0), static_cast<float>(polygon->y0)};
    Point2D p1;
    mat_mul_1x2_3x2(&p0, &mt, &p1);
    // Past 2^24 the float route rounds the position; past 2^31 it stops at the range's end.
    polygon->x0 = truncate_to_int32(p1.x);
    polygon->y0 = truncate_to_int32(p1.y);
    return 1;
}

std::int32_t rotate_polygon_mat(Polygon* polygon, std::int32_t angle) {
    if (!polygon) return 0;
    const auto [ca, sa] = table_turn(angle);
    Matrix3x2 mr;
    mat_init_3x2(&mr, ca, sa, -sa, ca, 0.0f, 0.0f);
    transform_vertices(polygon, mr);
    return 1;
}

std::int32_t scale_polygon_mat(Polygon* polygon, float sx, float sy) {
    if (!polygon) return 0;
    Matrix3x2 ms;
    mat_init_3x2(&ms, sx, 0.0f, 0.0f, sy, 0.0f, 0.0f);
    transform_vertices(polygon, ms);
    return 1;
}
