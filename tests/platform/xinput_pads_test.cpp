// Controllers on Windows through XInput, played through a fake table of XInput's functions:
// the mapping to the keyboard's keys, and controllers plugged in and out between readings.
#include "platform/video/pad_keys.h"
#include "platform/video/win32/win32_xinput.h"

#include <gtest/gtest.h>

#include <set>

namespace {

std::set<int> keys_of(std::uint32_t set) {
    std::set<int> keys;
    for (int b = 0; b < GAMEPAD_KEY_COUNT; b++)
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

DWORD WINAPI fake_get_state(DWORD slot, XinputState* state) {
    if (slot >= XINPUT_SLOTS) return 87; // ERROR_INVALID_PARAMETER
    Fake.asked[slot]++;
    if (!Fake.plugged[slot]) return XINPUT_NOT_CONNECTED;
    state->packet++;
    state->pad = Fake.pad[slot];
    return 0;
}

XinputGamepad buttons(WORD held) {
    XinputGamepad pad = {};
    pad.buttons = held;
    return pad;
}

} // namespace

TEST(XinputKeys, ButtonsSticksAndTriggersMapAsOnLinux) {
    struct Case {
        XinputGamepad pad;
        std::set<int> keys;
    };
    auto stick = [](int x, int y) {
        XinputGamepad pad = {};
        pad.thumb_lx = static_cast<std::int16_t>(x);
        pad.thumb_ly = static_cast<std::int16_t>(y);
        return pad;
    };
    auto triggers = [](int left, int right) {
        XinputGamepad pad = {};
        pad.left_trigger = static_cast<BYTE>(left);
        pad.right_trigger = static_cast<BYTE>(right);
        return pad;
    };
    XinputGamepad right_stick = {};
    right_stick.thumb_rx = 32767;
    const Case cases[] = {
        {buttons(0), {}},
        {buttons(XINPUT_DPAD_UP), {VK_UP}},
        {buttons(XINPUT_DPAD_DOWN), {VK_DOWN}},
        {buttons(XINPUT_DPAD_LEFT), {VK_LEFT}},
        {buttons(XINPUT_DPAD_RIGHT), {VK_RIGHT}},
        {buttons(XINPUT_A), {VK_NEXT}},
        {buttons(XINPUT_X), {VK_DELETE}},
        {buttons(XINPUT_START), {VK_RETURN}},
        {buttons(XINPUT_BACK), {VK_ESCAPE}},
        {buttons(0x2000), {}}, // B
        {buttons(0x8000), {}}, // Y
        // XInput's stick grows upwards: pushed up is the up arrow.
        {stick(0, 32767), {VK_UP}},
        {stick(0, -32768), {VK_DOWN}},
        {stick(-32768, 0), {VK_LEFT}},
        {stick(GAMEPAD_DEAD_ZONE, -GAMEPAD_DEAD_ZONE), {}},
        {stick(GAMEPAD_DEAD_ZONE + 1, 0), {VK_RIGHT}},
        {stick(30000, 30000), {VK_RIGHT, VK_UP}},
        {triggers(0, 255), {VK_DELETE}},
        {triggers(0, 60), {}},
        {triggers(255, 0), {}},
        {right_stick, {}},
        {buttons(XINPUT_A | XINPUT_X | XINPUT_DPAD_LEFT), {VK_NEXT, VK_DELETE, VK_LEFT}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keys_of(xinput_keys(c.pad)), c.keys)
            << "buttons " << c.pad.buttons << " stick " << c.pad.thumb_lx << "," << c.pad.thumb_ly;
}

TEST(XinputPads, PlugAndUnplugWhilePlayingAndEmptySlotsAreAskedOnlyNowAndThen) {
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
    const DWORD rescan = 0xFFFFFF00u + XINPUT_RESCAN_MS;
    EXPECT_EQ(keys_of(xinput_poll(&pads, rescan)), std::set<int>{VK_RIGHT});
    EXPECT_EQ(keys_of(pads.keys), std::set<int>{VK_RIGHT});

    // A plugged-in controller is read every time.
    Fake.pad[2] = buttons(XINPUT_A);
    EXPECT_EQ(keys_of(xinput_poll(&pads, rescan + 1)), std::set<int>{VK_NEXT});
    EXPECT_EQ(Fake.asked[0], 2) << "empty slots wait for the next rescan";

    // Two controllers hold their keys together.
    Fake.plugged[0] = true;
    Fake.pad[0] = buttons(XINPUT_START);
    EXPECT_EQ(keys_of(xinput_poll(&pads, rescan + XINPUT_RESCAN_MS)),
              (std::set<int>{VK_NEXT, VK_RETURN}));

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
