// Float positions turned into whole pixels: truncated toward zero, and held inside the
// 32-bit range so that a character lost far off the screen never makes that undefined.
#pragma once

#include <cstdint>

inline std::int32_t truncate_to_int(float value) {
    constexpr float lowest = -2147483648.0f;
    constexpr float beyond_highest = 2147483648.0f;
    if (!(value >= lowest)) // also catches NaN
        return INT32_MIN;
    if (value >= beyond_highest) return INT32_MAX;
    return static_cast<std::int32_t>(value);
}
