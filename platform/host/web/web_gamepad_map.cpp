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
    reading.east = down(WEB_PAD_EAST);
    reading.north = down(WEB_PAD_NORTH);
    reading.left_shoulder = down(WEB_PAD_LEFT_SHOULDER);
    reading.right_shoulder = down(WEB_PAD_RIGHT_SHOULDER);
    reading.left_stick = down(WEB_PAD_LEFT_STICK);
    reading.right_stick = down(WEB_PAD_RIGHT_STICK);
    auto trigger = [&](int b) {
        return values && b < button_count ? std::max(0, scaled(values[b])) : 0;
    };
    reading.right_trigger = trigger(WEB_PAD_RIGHT_TRIGGER);
    reading.left_trigger = trigger(WEB_PAD_LEFT_TRIGGER);
    auto axis = [&](int a) { return axes && a < axis_count ? scaled(axes[a]) : 0; };
    // A pad with one axis has no stick to read.
    if (axis_count > 1) {
        reading.left_x = axis(0);
        reading.left_y = axis(1);
    }
    if (axis_count > 3) {
        reading.right_x = axis(2);
        reading.right_y = axis(3);
    }
    return reading;
}
