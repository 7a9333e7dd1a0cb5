// Controllers on Windows through XInput, played through a fake table of XInput's functions:
// XInput's own translation, and controllers plugged in and out between readings.
#include "platform/host/win32/win32_xinput.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<int> keys_of(std::uint32_t set) {
    std::set<int> keys;
    for (int b = 0; b < PAD_BINDINGS_MAX; b++)
        if (set & (1u << b)) keys.insert(gamepad_virtual_key(b));
    return keys;
}

// The fake DLL: four slots, each plugged in or not, and how often each was asked.
struct FakeXinput {
    bool plugged[XINPUT_SLOTS];
    XinputGamepad pad[XINPUT_SLOTS];
    int asked[XINPUT_SLOTS];
};
FakeXinput Fake;

std::uint32_t fake_get_state(std::uint32_t slot, XinputState* state) {
    if (slot >= XINPUT_SLOTS) return 87; // ERROR_INVALID_PARAMETER
    Fake.asked[slot]++;
    if (!Fake.plugged[slot]) return XINPUT_NOT_CONNECTED;
    state->packet++;
    state->pad = Fake.pad[slot];
    return 0;
}

XinputGamepad buttons(std::uint16_t held) {
    XinputGamepad pad = {};
    pad.buttons = held;
    return pad;
}

} // namespace

// XInput's own translation into the shared shape; the shared mapping from there to buttons is
// tested once for every system.
TEST(XinputPadState, ButtonBitsUpwardStickAndByteTriggers) {
    struct Case {
        XinputGamepad pad;
        std::uint32_t buttons;
    };
    XinputGamepad stick_up = {}, trigger = {}, light_trigger = {}, others = {};
    stick_up.thumb_ly = 32767;
    trigger.right_trigger = 255;
    light_trigger.right_trigger = 60;
    others.left_trigger = 255;
    others.thumb_rx = 32767;
    const Case cases[] = {
        {buttons(XINPUT_DPAD_UP | XINPUT_DPAD_DOWN | XINPUT_DPAD_LEFT | XINPUT_DPAD_RIGHT),
         pad_button(PAD_UP) | pad_button(PAD_DOWN) | pad_button(PAD_LEFT) | pad_button(PAD_RIGHT)},
        {buttons(XINPUT_A | XINPUT_X | XINPUT_START | XINPUT_BACK),
         pad_button(PAD_SOUTH) | pad_button(PAD_WEST) | pad_button(PAD_START) |
             pad_button(PAD_BACK)},
        {buttons(0x2000 | 0x8000), 0}, // B and Y
        // XInput's stick grows upwards: pushed up is up.
        {stick_up, pad_button(PAD_UP)},
        {trigger, pad_button(PAD_RIGHT_TRIGGER)},
        {light_trigger, 0},
        {others, 0}, // the left trigger and the right stick
    };
    for (const Case& c : cases)
        EXPECT_EQ(pad_buttons(xinput_pad_state(c.pad)), c.buttons)
            << "buttons " << c.pad.buttons << " stick y " << c.pad.thumb_ly << " trigger "
            << int(c.pad.right_trigger);
}

TEST(XinputPads, PlugAndUnplugWhilePlayingAndEmptySlotsAreAskedOnlyNowAndThen) {
    Fake = {};
    pad_bind(nullptr, 0); // the platform's own bindings: the arrows, Enter and Escape
    XinputPads pads = {};
    // Without XInput there are no controllers, and nothing is asked.
    EXPECT_EQ(xinput_poll(&pads, 0), 0u);
    pads.get_state = fake_get_state;

    // The first reading asks every slot; the empty ones are left alone until the rescan.
    EXPECT_EQ(xinput_poll(&pads, 0xFFFFFF00u), 0u);
    for (int asked : Fake.asked)
        EXPECT_EQ(asked, 1);
    Fake.plugged[2] = true;
    Fake.pad[2] = buttons(XINPUT_DPAD_RIGHT);
    EXPECT_EQ(xinput_poll(&pads, 0xFFFFFF00u + XINPUT_RESCAN_MS - 1), 0u);
    EXPECT_EQ(Fake.asked[2], 1);
    // The rescan comes across the clock's wrap and finds the controller plugged in.
    const std::uint32_t rescan = 0xFFFFFF00u + XINPUT_RESCAN_MS;
    EXPECT_EQ(keys_of(xinput_poll(&pads, rescan)), std::set<int>{VK_RIGHT});
    EXPECT_EQ(keys_of(pads.keys), std::set<int>{VK_RIGHT});

    // A plugged-in controller is read every time.
    Fake.pad[2] = buttons(XINPUT_DPAD_UP);
    EXPECT_EQ(keys_of(xinput_poll(&pads, rescan + 1)), std::set<int>{VK_UP});
    EXPECT_EQ(Fake.asked[0], 2) << "empty slots wait for the next rescan";

    // Two controllers hold their keys together.
    Fake.plugged[0] = true;
    Fake.pad[0] = buttons(XINPUT_START);
    EXPECT_EQ(keys_of(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS)),
              (std::set<int>{VK_UP, VK_RETURN}));

    // Unplugged while held: what it held is let go at the very next reading.
    Fake.plugged[2] = false;
    EXPECT_EQ(keys_of(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS + 1)), std::set<int>{VK_RETURN});
    Fake.plugged[0] = false;
    EXPECT_EQ(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS + 2), 0u);
    EXPECT_EQ(pads.keys, 0u);
    const int asked_before = Fake.asked[0];
    EXPECT_EQ(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS + 3), 0u);
    EXPECT_EQ(Fake.asked[0], asked_before) << "an unplugged slot is empty until the rescan";

    // And plugged in again.
    Fake.plugged[3] = true;
    Fake.pad[3] = buttons(XINPUT_BACK);
    EXPECT_EQ(keys_of(xinput_poll(&pads, rescan + 2 * XINPUT_RESCAN_MS)), std::set<int>{VK_ESCAPE});
}
