// The browser's standard gamepad layout read into the shared shape: its buttons by index, its
// axes and trigger as fractions scaled to the shared range, values past the ends or not
// numbers, and pads with fewer buttons and axes than the layout or more than the record holds.
#include "platform/host/web/web_gamepad_map.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

struct Pad {
    int pressed[WEB_PAD_MAX_ENTRIES] = {};
    double values[WEB_PAD_MAX_ENTRIES] = {};
    double axes[WEB_PAD_MAX_ENTRIES] = {};
    PadState read(int buttons = WEB_PAD_BUTTONS + 1, int axis_count = 4) const {
        return web_pad_reading(pressed, values, buttons, axes, axis_count);
    }
};

Pad with_button(int button) {
    Pad pad;
    pad.pressed[button] = 1;
    pad.values[button] = 1;
    return pad;
}

} // namespace

TEST(WebPad, TheStandardLayoutReachesTheSharedShape) {
    struct Case {
        int index;
        std::uint32_t buttons;
    };
    const Case cases[] = {
        {WEB_PAD_UP, pad_button(PAD_UP)},
        {WEB_PAD_DOWN, pad_button(PAD_DOWN)},
        {WEB_PAD_LEFT, pad_button(PAD_LEFT)},
        {WEB_PAD_RIGHT, pad_button(PAD_RIGHT)},
        {WEB_PAD_SOUTH, pad_button(PAD_SOUTH)},
        {WEB_PAD_WEST, pad_button(PAD_WEST)},
        {WEB_PAD_START, pad_button(PAD_START)},
        {WEB_PAD_BACK, pad_button(PAD_BACK)},
        {WEB_PAD_RIGHT_TRIGGER, pad_button(PAD_RIGHT_TRIGGER)},
        {WEB_PAD_EAST, pad_button(PAD_EAST)},
        {WEB_PAD_NORTH, pad_button(PAD_NORTH)},
        {WEB_PAD_LEFT_SHOULDER, pad_button(PAD_LEFT_SHOULDER)},
        {WEB_PAD_RIGHT_SHOULDER, pad_button(PAD_RIGHT_SHOULDER)},
        {WEB_PAD_LEFT_TRIGGER, pad_button(PAD_LEFT_TRIGGER)},
        {WEB_PAD_LEFT_STICK, pad_button(PAD_LEFT_STICK)},
        {WEB_PAD_RIGHT_STICK, pad_button(PAD_RIGHT_STICK)},
    };
    EXPECT_EQ(pad_buttons(Pad{}.read()), 0u);
    for (const Case& c : cases)
        EXPECT_EQ(pad_buttons(with_button(c.index).read()), c.buttons) << c.index;
    // The guide button is no part of it.
    EXPECT_EQ(pad_buttons(with_button(16).read(17)), 0u);
}

TEST(WebPad, FractionsScaleToTheSharedRangeAndNothingOutsideItIsRead) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double value;
        int scaled;
    };
    // Past the ends is the end; not a number, or no finite number, is at rest.
    const Case cases[] = {{1.0, 32767}, {-1.0, -32767}, {0.5, 16384}, {0.3, 9830},
                          {5.0, 32767}, {-9.0, -32767}, {nan, 0},     {-inf, 0}};
    for (const Case& c : cases) {
        Pad pad;
        pad.axes[0] = pad.axes[1] = c.value;
        pad.values[WEB_PAD_RIGHT_TRIGGER] = c.value;
        const PadState state = pad.read();
        EXPECT_EQ(state.left_x, c.scaled) << c.value;
        EXPECT_EQ(state.left_y, c.scaled) << "y grows downwards in both";
        EXPECT_EQ(state.right_trigger, c.scaled < 0 ? 0 : c.scaled) << "a trigger never pulls back";
    }
    // The trigger runs by how far it is pulled, not by the browser's pressed flag.
    Pad flagged;
    flagged.pressed[WEB_PAD_RIGHT_TRIGGER] = 1;
    EXPECT_EQ(flagged.read().right_trigger, 0);

    // Buttons and axes a pad lacks are never read, nor are missing arrays; a pad claiming
    // more than the browser's record holds reads as one with the record's entries.
    Pad all_held;
    for (int i = 0; i < WEB_PAD_MAX_ENTRIES; i++) {
        all_held.pressed[i] = 1;
        all_held.values[i] = all_held.axes[i] = 1;
    }
    const PadState first_eight = all_held.read(WEB_PAD_BACK, 1);
    EXPECT_EQ(pad_buttons(first_eight),
              pad_button(PAD_SOUTH) | pad_button(PAD_EAST) | pad_button(PAD_WEST) |
                  pad_button(PAD_NORTH) | pad_button(PAD_LEFT_SHOULDER) |
                  pad_button(PAD_RIGHT_SHOULDER) | pad_button(PAD_LEFT_TRIGGER) |
                  pad_button(PAD_RIGHT_TRIGGER));
    EXPECT_EQ(all_held.read(WEB_PAD_BUTTONS, 3).right_x, 0) << "a third axis is no right stick";
    EXPECT_EQ(pad_buttons(all_held.read(0, 0)), 0u);
    EXPECT_EQ(pad_buttons(all_held.read(-5, -5)), 0u);
    EXPECT_EQ(pad_buttons(all_held.read(1 << 30, 1 << 30)),
              pad_buttons(all_held.read(WEB_PAD_MAX_ENTRIES, WEB_PAD_MAX_ENTRIES)));
    EXPECT_EQ(pad_buttons(web_pad_reading(nullptr, nullptr, 17, nullptr, 4)), 0u);
}
