// Square-root-free length estimates in two and three dimensions.
#include "engine/util/trig.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <utility>

std::int32_t fast_distance_2d(std::int32_t dx, std::int32_t dy) {
    // 64 bits: |INT32_MIN| and the sum of two large components do not fit 32.
    const std::int64_t a = std::abs(std::int64_t{dx});
    const std::int64_t b = std::abs(std::int64_t{dy});
    const std::int64_t m = a < b ? a : b;
    const std::int64_t d = a + b - (m >> 1) - (m >> 2) + (m >> 4);
    return d > INT32_MAX ? INT32_MAX : static_cast<std::int32_t>(d);
}

namespace {

// One component in 10-bit fixed point, truncated. Components up to 2^43 are exact in 64
// bits; larger ones, and infinity, saturate there, so the estimate never wraps. A NaN
// component counts as zero: it has no length to contribute.
std::int64_t fixed_component(float value) {
    constexpr double limit = 9007199254740992.0; // 2^53
    const double scaled = static_cast<double>(fabs_f(value)) * 1024.0;
    if (std::isnan(scaled)) return 0;
    if (scaled >= limit) return static_cast<std::int64_t>(limit);
    return static_cast<std::int64_t>(scaled);
}

} // namespace

float fast_distance_3d(float dx, float dy, float dz) {
    std::int64_t x = fixed_component(dx);
    std::int64_t y = fixed_component(dy);
    std::int64_t z = fixed_component(dz);
    if (y < x) std::swap(x, y);
    if (z < y) std::swap(y, z);
    if (y < x) std::swap(x, y);
    const std::int64_t d = z + 11 * (y >> 5) + (x >> 2);
    return static_cast<float>(d >> 10);
}
