// Whole-degree cosine and sine tables, built before main, and float wrappers of the
// library's cosine, sine and absolute value.
#include "engine/util/trig.h"

#include <cmath>

float cos_table[361];
float sin_table[361];

void build_sin_cos_tables() {
    // Pi is the float nearest to it; the angle is formed wider and then rounded to a float,
    // which is why cos_table[90] is a hair below zero rather than zero.
    constexpr long double pi = 3.1415927f;
    for (int i = 0; i <= 360; ++i) {
        const auto theta = static_cast<float>(i * pi / 180.0L);
        cos_table[i] = cos_f(theta);
        sin_table[i] = sin_f(theta);
    }
}

float cos_f(float radians) {
    return static_cast<float>(std::cos(static_cast<double>(radians)));
}

float sin_f(float radians) {
    return static_cast<float>(std::sin(static_cast<double>(radians)));
}

float fabs_f(float value) {
    return static_cast<float>(std::fabs(static_cast<double>(value)));
}

namespace {

// Any program that reads the tables links this file and so runs this. The priority puts it
// ahead of ordinary static initialisers in other files, which may already rotate polygons.
struct TableBuilder {
    TableBuilder() { build_sin_cos_tables(); }
};
__attribute__((init_priority(200))) TableBuilder table_builder;

} // namespace
