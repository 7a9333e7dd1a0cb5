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
    struct Button {
        int index;
        PadButton shared;
    };
    static const Button BUTTONS[] = {
        {WEB_PAD_UP, PAD_UP},
        {WEB_PAD_DOWN, PAD_DOWN},
        {WEB_PAD_LEFT, PAD_LEFT},
        {WEB_PAD_RIGHT, PAD_RIGHT},
        {WEB_PAD_SOUTH, PAD_SOUTH},
        {WEB_PAD_EAST, PAD_EAST},
        {WEB_PAD_WEST, PAD_WEST},
        {WEB_PAD_NORTH, PAD_NORTH},
        {WEB_PAD_START, PAD_START},
        {WEB_PAD_BACK, PAD_BACK},
        {WEB_PAD_LEFT_SHOULDER, PAD_LEFT_SHOULDER},
        {WEB_PAD_RIGHT_SHOULDER, PAD_RIGHT_SHOULDER},
        {WEB_PAD_LEFT_STICK, PAD_LEFT_STICK},
        {WEB_PAD_RIGHT_STICK, PAD_RIGHT_STICK},
    };
    for (const Button& b : BUTTONS)
        reading.*pad_state_field(b.shared) = pressed && b.index < button_count && pressed[b.index];
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
