// Controllers on Windows through XInput, played through a fake table of XInput's functions:
// the translation into the shared shape, and controllers plugged in and out between readings.
#include "platform/host/pad_keys.h"
#include "platform/host/windows/windows_xinput.h"
#include "shell/pad_bindings.h"

#include <gtest/gtest.h>

namespace {

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

// The keys a controller holding these buttons holds, by the bindings in force.
std::uint32_t keys_of(std::uint16_t held) {
    return pad_keys(xinput_state(buttons(held)));
}

} // namespace

// XInput's translation into the shared shape: its button bits, its stick that grows upwards
// (turned over, its lowest end included), and its triggers of 0 to 255.
TEST(XinputPad, ButtonsStickAndTriggersReachTheSharedShape) {
    EXPECT_EQ(pad_buttons(xinput_state(buttons(0))), 0u);
    struct Case {
        std::uint16_t bit;
        PadButton shared;
    };
    const Case cases[] = {
        {XINPUT_DPAD_UP, PAD_UP},
        {XINPUT_DPAD_DOWN, PAD_DOWN},
        {XINPUT_DPAD_LEFT, PAD_LEFT},
        {XINPUT_DPAD_RIGHT, PAD_RIGHT},
        {XINPUT_A, PAD_SOUTH},
        {XINPUT_X, PAD_WEST},
        {XINPUT_START, PAD_START},
        {XINPUT_BACK, PAD_BACK},
        {XINPUT_B, PAD_EAST},
        {XINPUT_Y, PAD_NORTH},
        {XINPUT_LEFT_SHOULDER, PAD_LEFT_SHOULDER},
        {XINPUT_RIGHT_SHOULDER, PAD_RIGHT_SHOULDER},
        {XINPUT_LEFT_THUMB, PAD_LEFT_STICK},
        {XINPUT_RIGHT_THUMB, PAD_RIGHT_STICK},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pad_buttons(xinput_state(buttons(c.bit))), pad_button(c.shared)) << c.bit;
    EXPECT_EQ(pad_buttons(xinput_state(buttons(0x0400))), 0u) << "the guide, which XInput hides";

    XinputGamepad pad = {};
    pad.thumb_lx = -32768;
    pad.thumb_ly = 32767;
    pad.right_trigger = 255;
    pad.left_trigger = 255;
    pad.thumb_rx = 32767;
    pad.thumb_ry = -32768;
    PadState state = xinput_state(pad);
    EXPECT_TRUE(state.left_x == -32768 && state.left_y == -32767) << "pushed up is up";
    EXPECT_TRUE(state.right_x == 32767 && state.right_y == 32768);
    EXPECT_TRUE(state.right_trigger > 32000 && state.left_trigger > 32000);
    EXPECT_EQ(pad_buttons(state), pad_button(PAD_LEFT) | pad_button(PAD_UP) |
                                      pad_button(PAD_RIGHT_TRIGGER) | pad_button(PAD_LEFT_TRIGGER));
    pad.left_trigger = 0;
    pad.thumb_ly = -32768;
    pad.right_trigger = 60;
    state = xinput_state(pad);
    EXPECT_EQ(state.left_y, 32768) << "the lowest end turned over does not wrap";
    EXPECT_EQ(pad_buttons(state), pad_button(PAD_LEFT) | pad_button(PAD_DOWN));
}

TEST(XinputPads, PlugAndUnplugWhilePlayingAndEmptySlotsAreAskedOnlyNowAndThen) {
    bind_game_pad(); // every button the test presses holds a key of its own
    pads_reset();
    Fake = {};
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
    EXPECT_EQ(xinput_poll(&pads, rescan), keys_of(XINPUT_DPAD_RIGHT));
    EXPECT_EQ(pads.keys, keys_of(XINPUT_DPAD_RIGHT));

    // A plugged-in controller is read every time.
    Fake.pad[2] = buttons(XINPUT_A);
    EXPECT_EQ(xinput_poll(&pads, rescan + 1), keys_of(XINPUT_A));
    EXPECT_EQ(Fake.asked[0], 2) << "empty slots wait for the next rescan";

    // Two controllers hold their keys together.
    Fake.plugged[0] = true;
    Fake.pad[0] = buttons(XINPUT_START);
    EXPECT_EQ(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS), keys_of(XINPUT_A | XINPUT_START));
    // Each also on its own, numbered as they came; without the focus both read as let go.
    PadReading first, second;
    EXPECT_EQ(pad_count(), 2);
    EXPECT_TRUE(pad_read(0, &first) && pad_read(1, &second));
    EXPECT_TRUE(first.down == pad_button(PAD_SOUTH) && second.down == pad_button(PAD_START));
    pads.unfocused = true;
    EXPECT_EQ(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS), 0u);
    EXPECT_TRUE(pad_read(0, &first) && first.down == 0 && first.released == pad_button(PAD_SOUTH));
    pads.unfocused = false;

    // Unplugged while held: what it held is let go at the very next reading.
    Fake.plugged[2] = false;
    EXPECT_EQ(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS + 1), keys_of(XINPUT_START));
    EXPECT_FALSE(pad_read(0, &first));
    EXPECT_EQ(pad_count(), 2) << "the other keeps its number";
    Fake.plugged[0] = false;
    EXPECT_EQ(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS + 2), 0u);
    EXPECT_EQ(pads.keys, 0u);
    const int asked_before = Fake.asked[0];
    EXPECT_EQ(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS + 3), 0u);
    EXPECT_EQ(Fake.asked[0], asked_before) << "an unplugged slot is empty until the rescan";

    // And plugged in again.
    Fake.plugged[3] = true;
    Fake.pad[3] = buttons(XINPUT_BACK);
    EXPECT_EQ(xinput_poll(&pads, rescan + 2 * XINPUT_RESCAN_MS), keys_of(XINPUT_BACK));
}
