// The browser's standard gamepad layout read into the common one.
#include "platform/host/web/web_gamepad_map.h"

#include <algorithm>
#include <cmath>

namespace {

// A value from -1 to 1 (or 0 to 1) on the scale SDL reports sticks and triggers in.
int scaled(double value) {
    if (!std::isfinite(value)) return 0;
    if (value > 1) value = 1;
    if (value < -1) value = -1;
    return static_cast<int>(std::lround(value * 32767));
}

} // namespace

PadState web_pad_reading(const int* pressed, const double* values, int button_count,
                         const double* axes, int axis_count) {
    button_count = std::min(button_count, WEB_PAD_MAX_ENTRIES);
    axis_count = std::min(axis_count, WEB_PAD_MAX_ENTRIES);
    PadState reading = {};
    auto down = [&](int b) { return pressed && b < button_count && pressed[b] != 0; };
    reading.south = down(WEB_PAD_SOUTH);
    reading.west = down(WEB_PAD_WEST);
    reading.back = down(WEB_PAD_BACK);
    reading.start = down(WEB_PAD_START);
    reading.dpad_up = down(WEB_PAD_UP);
    reading.dpad_down = down(WEB_PAD_DOWN);
    reading.dpad_left = down(WEB_PAD_LEFT);
    reading.dpad_right = down(WEB_PAD_RIGHT);
    if (values && WEB_PAD_RIGHT_TRIGGER < button_count) {
        reading.right_trigger = scaled(values[WEB_PAD_RIGHT_TRIGGER]);
        if (reading.right_trigger < 0) reading.right_trigger = 0;
    }
    if (axes && axis_count > 1) {
        reading.left_x = scaled(axes[0]);
        reading.left_y = scaled(axes[1]);
    }
    return reading;
}
