// Where polygon vertices land: angles brought onto the whole-degree tables, and float
// positions turned into pixel coordinates without ever leaving the 32-bit range.
#pragma once

#include "engine/util/polygon.h"
#include "engine/util/trig.h"

#include <algorithm>
#include <cstdint>

// A vertex list that is missing or counts no vertices is taken as empty.
inline std::int32_t polygon_vertex_count(const Polygon* polygon) {
    return polygon->vlist && polygon->num_verts > 0 ? polygon->num_verts : 0;
}

// The table index for an angle in whole degrees. Angles from -360 to 360 keep their meaning
// exactly (a negative one has 360 added once, so -90 reads entry 270 and 360 reads entry
// 360); any other angle is first reduced modulo 360, as the tables stop at 360.
inline std::int32_t table_angle(std::int32_t angle) {
    if (angle < -360 || angle > 360) angle %= 360;
    return angle < 0 ? angle + 360 : angle;
}

// The cosine and sine a rotation by that many degrees reads from the tables.
struct TableTurn {
    float ca;
    float sa;
};

inline TableTurn table_turn(std::int32_t angle) {
    const std::int32_t entry = table_angle(angle);
    return {cos_table[entry], sin_table[entry]};
}

// Truncates toward zero. Values beyond the 32-bit range stop at its ends and NaN at its
// lower end: such a vertex lies outside every clip rectangle either way, and converting an
// out-of-range float to an integer would be undefined. The clamp is done in double, which
// holds both ends exactly, with min and max rather than branches.
inline std::int32_t truncate_to_int32(float value) {
    const double low = -2147483648.0;
    const double high = 2147483647.0;
    const double clamped = std::min(high, std::max(low, static_cast<double>(value))); // NaN: low
    return static_cast<std::int32_t>(clamped);
}

// A vertex coordinate on screen: the position and the offset summed as floats, truncated.
inline std::int32_t screen_coordinate(std::int32_t position, float offset) {
    const float sum = static_cast<float>(position) + offset;
    return truncate_to_int32(sum);
}
