// Float-to-pixel conversion of sprite coordinates.
#include "engine/image/sprite_position.h"

std::int32_t truncate_position(float offset, float position, std::int32_t* pixel) {
    const float sum = offset + position;
    // Written so that a NaN fails both tests.
    if (!(sum > -2147483648.0f && sum < 2147483648.0f)) return 0;
    *pixel = static_cast<std::int32_t>(sum);
    return 1;
}
