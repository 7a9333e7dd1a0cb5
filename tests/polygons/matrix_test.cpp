// Matrix products: the order of the running sums, the identity, associativity, and a row
// times a 3 x 3 against a point times the 3 x 2 it ends with.
#include "engine/engine.h"
#include "tests/polygons/polygon_helpers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

Matrix3x3 random_matrix(std::mt19937& rng) {
    Matrix3x3 m;
    for (auto& row : m.m)
        for (float& value : row)
            value = uniform(rng, -2, 2);
    return m;
}

TEST(Matrices, InitStoresInRowOrder) {
    Matrix3x2 m;
    EXPECT_EQ(1, mat_init_3x2(&m, 1, 2, 3, 4, 5, 6));
    EXPECT_EQ(2, m.m[0][1]);
    EXPECT_EQ(3, m.m[1][0]);
    EXPECT_EQ(6, m.m[2][1]);
}

TEST(Matrices, EachRunningSumIsRoundedToAFloat) {
    // In order, ((0 + 1e8) + 1) - 1e8 is 0 in floats; any wider sum would keep the 1.
    const Point2D point{1e8f, 1};
    Matrix3x2 m;
    mat_init_3x2(&m, 1, 0, 1, 0, -1e8f, 0);
    Point2D out;
    mat_mul_1x2_3x2(&point, &m, &out);
    EXPECT_EQ(0.0f, out.x);
    const Matrix1x3 row{{1e8f, 1, -1e8f}};
    const Matrix3x3 ones{{{1, 0, 0}, {1, 0, 0}, {1, 0, 0}}};
    Matrix1x3 sum;
    mat_mul_1x3_3x3(&row, &ones, &sum);
    EXPECT_EQ(0.0f, sum.m[0]);
}

TEST(Matrices, ProductsAgreeWithEachOtherOnRandomValues) {
    std::mt19937 rng(9);
    const Matrix3x3 identity{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    for (int n = 0; n < 1000; ++n) {
        const Matrix3x3 a = random_matrix(rng), b = random_matrix(rng), c = random_matrix(rng);
        Matrix3x3 ab, ab_c, bc, a_bc, ai, ia;
        mat_mul_3x3_3x3(&a, &b, &ab);
        mat_mul_3x3_3x3(&ab, &c, &ab_c);
        mat_mul_3x3_3x3(&b, &c, &bc);
        mat_mul_3x3_3x3(&a, &bc, &a_bc);
        mat_mul_3x3_3x3(&a, &identity, &ai);
        mat_mul_3x3_3x3(&identity, &a, &ia);
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) {
                // Each entry sums nine products of three entries of at most 2 each.
                EXPECT_NEAR(ab_c.m[i][j], a_bc.m[i][j], 72 * 4e-7f);
                EXPECT_EQ(a.m[i][j], ai.m[i][j]);
                EXPECT_EQ(a.m[i][j], ia.m[i][j]);
            }

        // (x, y, 1) times the 3 x 3 is the point times its first two columns.
        const Point2D point{uniform(rng, -100, 100), uniform(rng, -100, 100)};
        const Matrix1x3 row{{point.x, point.y, 1}};
        Matrix1x3 row_out;
        mat_mul_1x3_3x3(&row, &a, &row_out);
        Matrix3x2 m;
        mat_init_3x2(&m, a.m[0][0], a.m[0][1], a.m[1][0], a.m[1][1], a.m[2][0], a.m[2][1]);
        Point2D point_out;
        mat_mul_1x2_3x2(&point, &m, &point_out);
        EXPECT_EQ(row_out.m[0], point_out.x);
        EXPECT_EQ(row_out.m[1], point_out.y);

        // A product written over one of its own factors is the same product.
        Matrix3x3 in_place = a;
        mat_mul_3x3_3x3(&in_place, &b, &in_place);
        EXPECT_EQ(0, std::memcmp(&ab, &in_place, sizeof ab));
        if (HasFailure()) return;
    }
}

TEST(Matrices, MissingArgumentsAreRefused) {
    Matrix3x3 m{};
    Matrix3x2 m32{};
    Matrix1x3 r{};
    Point2D p{};
    EXPECT_EQ(0, mat_init_3x2(nullptr, 1, 2, 3, 4, 5, 6));
    EXPECT_EQ(0, mat_mul_1x2_3x2(nullptr, &m32, &p));
    EXPECT_EQ(0, mat_mul_1x2_3x2(&p, nullptr, &p));
    EXPECT_EQ(0, mat_mul_1x2_3x2(&p, &m32, nullptr));
    EXPECT_EQ(0, mat_mul_3x3_3x3(&m, &m, nullptr));
    EXPECT_EQ(0, mat_mul_3x3_3x3(nullptr, &m, &m));
    EXPECT_EQ(0, mat_mul_1x3_3x3(&r, nullptr, &r));
    EXPECT_EQ(0, mat_mul_1x3_3x3(nullptr, &m, &r));
}

} // namespace
