// Cosine and sine tables in whole degrees, float wrappers of the library's maths, and
// square-root-free length estimates in two and three dimensions.
#pragma once

#include <cstdint>

// Entry i holds the cosine (sine) of i degrees, 0 to 360 inclusive. They are full before
// main runs, so a rotation can never read them empty.
extern float cos_table[361];
extern float sin_table[361];

// Fills both tables; calling it again gives the same values.
void build_sin_cos_tables();
// The cosine of an angle in radians, worked in double precision.
float cos_f(float radians);
// The sine of an angle in radians, worked in double precision.
float sin_f(float radians);
// The absolute value.
float fabs_f(float value);
// a + b - 11/16 of the smaller, each part an arithmetic shift. Worked in 64 bits; an
// estimate past the int range (only with components near 2^31) gives INT32_MAX.
std::int32_t fast_distance_2d(std::int32_t dx, std::int32_t dy);
// An estimate in fixed point with 10 fraction bits, returned as a whole number. Worked in
// 64 bits: components up to 2^43 are exact, larger ones and infinities count as 2^43, and
// a NaN component counts as 0.
float fast_distance_3d(float dx, float dy, float dz);
