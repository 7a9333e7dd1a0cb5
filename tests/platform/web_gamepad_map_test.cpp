// The browser's standard gamepad layout read into the common one: each button and axis the
// game uses, values past the ends or not numbers, and pads with fewer buttons and axes.
#include "platform/video/web/web_gamepad_map.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <limits>
#include <set>

namespace {

std::set<int> keys_of(const PadState& reading) {
    std::set<int> keys;
    const std::uint32_t set = pad_keys(reading);
    for (int b = 0; b < GAMEPAD_KEY_COUNT; b++)
        if (set & (1u << b)) keys.insert(gamepad_virtual_key(b));
    return keys;
}

struct Pad {
    int pressed[WEB_PAD_BUTTONS + 1] = {};
    double values[WEB_PAD_BUTTONS + 1] = {};
    double axes[4] = {};
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

Pad with_axis(int axis, double value) {
    Pad pad;
    pad.axes[axis] = value;
    return pad;
}

} // namespace

TEST(WebGamepad, TheStandardLayoutHoldsTheDesktopsKeys) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        Pad pad;
        std::set<int> keys;
    };
    const Case cases[] = {
        {Pad{}, {}},
        {with_button(WEB_PAD_UP), {VK_UP}},
        {with_button(WEB_PAD_DOWN), {VK_DOWN}},
        {with_button(WEB_PAD_LEFT), {VK_LEFT}},
        {with_button(WEB_PAD_RIGHT), {VK_RIGHT}},
        {with_button(WEB_PAD_SOUTH), {VK_NEXT}},
        {with_button(WEB_PAD_WEST), {VK_DELETE}},
        {with_button(WEB_PAD_START), {VK_RETURN}},
        {with_button(WEB_PAD_BACK), {VK_ESCAPE}},
        {with_button(WEB_PAD_RIGHT_TRIGGER), {VK_DELETE}},
        // B, Y, the shoulders, the left trigger and the guide button do nothing.
        {with_button(1), {}},
        {with_button(3), {}},
        {with_button(4), {}},
        {with_button(6), {}},
        {with_button(16), {}},
        {with_axis(0, 1.0), {VK_RIGHT}},
        {with_axis(0, -1.0), {VK_LEFT}},
        {with_axis(1, -0.8), {VK_UP}},
        {with_axis(1, 0.8), {VK_DOWN}},
        {with_axis(0, 0.3), {}}, // a resting stick's drift
        {with_axis(2, 1.0), {}}, // the right stick
        // Past the ends is the end; not a number is at rest.
        {with_axis(0, 5.0), {VK_RIGHT}},
        {with_axis(0, nan), {}},
        {with_axis(1, -std::numeric_limits<double>::infinity()), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keys_of(c.pad.read()), c.keys);

    // The trigger runs by how far it is pulled, not by the browser's pressed flag.
    Pad trigger;
    trigger.values[WEB_PAD_RIGHT_TRIGGER] = 0.2;
    EXPECT_EQ(keys_of(trigger.read()), std::set<int>{});
    trigger.values[WEB_PAD_RIGHT_TRIGGER] = 0.6;
    EXPECT_EQ(keys_of(trigger.read()), std::set<int>{VK_DELETE});
    trigger.values[WEB_PAD_RIGHT_TRIGGER] = nan;
    EXPECT_EQ(keys_of(trigger.read()), std::set<int>{});

    // Several at once: the stick's diagonal, jump and run.
    Pad many = with_axis(0, 0.9);
    many.axes[1] = -0.9;
    many.pressed[WEB_PAD_SOUTH] = many.pressed[WEB_PAD_WEST] = 1;
    EXPECT_EQ(keys_of(many.read()), (std::set<int>{VK_RIGHT, VK_UP, VK_NEXT, VK_DELETE}));

    // Buttons and axes a pad lacks are never read, nor are missing arrays.
    const Pad all_held = [] {
        Pad pad;
        for (int& p : pad.pressed)
            p = 1;
        for (double& v : pad.values)
            v = 1;
        pad.axes[0] = pad.axes[1] = 1;
        return pad;
    }();
    EXPECT_EQ(keys_of(all_held.read(WEB_PAD_BACK, 1)), (std::set<int>{VK_NEXT, VK_DELETE}));
    EXPECT_EQ(keys_of(all_held.read(0, 0)), std::set<int>{});
    EXPECT_EQ(keys_of(all_held.read(-5, -5)), std::set<int>{});
    EXPECT_EQ(keys_of(web_pad_reading(nullptr, nullptr, 17, nullptr, 4)), std::set<int>{});
}
