// Controllers as keys, the part every system shares: which buttons a controller's state holds,
// the keys the program's bindings (the game's, or the platform's own without any) make of
// them, the presses and releases a change of them makes, and the axes' dead zone.
#include "platform/host/pad_keys.h"
#include "platform/host/pad_slots.h"
#include "platform/platform_reset.h"
#include "platform/win32.h"
#include "shell/pad_bindings.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <utility>
#include <vector>

namespace {

std::set<int> keys_of(std::uint32_t set) {
    std::set<int> keys;
    for (int bit = 0; bit < PAD_BINDINGS_MAX; bit++)
        if (set & (1u << bit)) keys.insert(gamepad_virtual_key(bit));
    return keys;
}

PadState stick(int x, int y) {
    PadState state = {};
    state.left_x = x;
    state.left_y = y;
    return state;
}

std::vector<std::pair<int, int>> changes(std::uint32_t before, std::uint32_t now) {
    std::vector<std::pair<int, int>> seen;
    pad_key_changes(
        before, now,
        [](int key, int down, void* list) {
            static_cast<std::vector<std::pair<int, int>>*>(list)->push_back({key, down});
        },
        &seen);
    return seen;
}

} // namespace

TEST(PadKeys, TheGamesBindingsHoldItsKeysFromEveryButtonStickAndTrigger) {
    platform_reset();
    bind_game_pad();
    auto with = [](bool PadState::*button) {
        PadState state = {};
        state.*button = true;
        return state;
    };
    PadState trigger = {};
    trigger.right_trigger = 32767;
    PadState light_trigger = {};
    light_trigger.right_trigger = GAMEPAD_DEAD_ZONE;
    PadState many = stick(30000, -30000);
    many.south = many.west = true;
    struct Case {
        PadState state;
        std::set<int> keys;
    };
    const Case cases[] = {
        {PadState{}, {}},
        {with(&PadState::dpad_up), {VK_UP}},
        {with(&PadState::dpad_down), {VK_DOWN}},
        {with(&PadState::dpad_left), {VK_LEFT}},
        {with(&PadState::dpad_right), {VK_RIGHT}},
        {with(&PadState::south), {VK_NEXT}},
        {with(&PadState::west), {VK_DELETE}},
        {with(&PadState::start), {VK_RETURN}},
        {with(&PadState::back), {VK_ESCAPE}},
        {trigger, {VK_DELETE}},
        {light_trigger, {}},
        {stick(32767, 0), {VK_RIGHT}},
        {stick(-32768, 0), {VK_LEFT}},
        {stick(0, -20000), {VK_UP}},
        {stick(0, 32768), {VK_DOWN}}, // XInput's upward end, turned over
        // Inside the dead zone a resting stick holds nothing; one step past it counts.
        {stick(GAMEPAD_DEAD_ZONE, -GAMEPAD_DEAD_ZONE), {}},
        {stick(GAMEPAD_DEAD_ZONE + 1, 0), {VK_RIGHT}},
        {many, {VK_RIGHT, VK_UP, VK_NEXT, VK_DELETE}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keys_of(pad_keys(c.state)), c.keys);
    EXPECT_EQ(gamepad_virtual_key(-1), 0);
    EXPECT_EQ(gamepad_virtual_key(PAD_BINDINGS_MAX), 0);

    // X and the trigger hold one key: it goes down once and up only when both let go.
    PadState x_and_trigger = trigger;
    x_and_trigger.west = true;
    const std::uint32_t both = pad_keys(x_and_trigger), x_only = pad_keys(with(&PadState::west));
    EXPECT_EQ(changes(0, both), (std::vector<std::pair<int, int>>{{VK_DELETE, 1}}));
    EXPECT_TRUE(changes(both, x_only).empty());
    EXPECT_EQ(changes(x_only, 0), (std::vector<std::pair<int, int>>{{VK_DELETE, 0}}));
    EXPECT_TRUE(pad_keys_hold(both, VK_DELETE));
    EXPECT_FALSE(pad_keys_hold(both, VK_NEXT));
    // Several at once, in binding order.
    EXPECT_EQ(changes(pad_keys(with(&PadState::south)), pad_keys(stick(0, -30000))),
              (std::vector<std::pair<int, int>>{{VK_UP, 1}, {VK_NEXT, 0}}));
    pad_key_changes(0, both, nullptr, nullptr); // nobody to tell: nothing happens
}

TEST(PadKeys, WithoutTheProgramsBindingsControllersOnlyMoveThroughMenus) {
    platform_reset();
    PadState all = stick(0, -30000);
    all.south = all.west = all.start = all.back = true;
    all.right_trigger = 32767;
    EXPECT_EQ(keys_of(pad_keys(all)), (std::set<int>{VK_UP, VK_RETURN, VK_ESCAPE}));

    // Bindings of one key join; a binding without a key or without buttons, and those past
    // the most that count, are left out.
    std::vector<PadBinding> bindings = {{pad_button(PAD_SOUTH), VK_SPACE},
                                        {pad_button(PAD_BACK), 0},
                                        {0, VK_TAB},
                                        {pad_button(PAD_START), VK_SPACE}};
    for (int i = 0; i < 40; i++)
        bindings.push_back({pad_button(PAD_LEFT), 'A' + i});
    pad_bind(bindings.data(), static_cast<int>(bindings.size()));
    PadState start_and_back = {};
    start_and_back.start = start_and_back.back = true;
    EXPECT_EQ(keys_of(pad_keys(start_and_back)), std::set<int>{VK_SPACE});
    const std::set<int> left = keys_of(pad_keys(stick(-30000, 0)));
    EXPECT_EQ(left.size(), static_cast<std::size_t>(PAD_BINDINGS_MAX - 1));
    EXPECT_EQ(*left.rbegin(), 'A' + PAD_BINDINGS_MAX - 2);
    // Binding nothing goes back to the platform's own.
    pad_bind(nullptr, 5);
    EXPECT_EQ(keys_of(pad_keys(all)), (std::set<int>{VK_UP, VK_RETURN, VK_ESCAPE}));
    platform_reset();
}

// Over every value a system can report, and past it: 0 within the dead zone, never a step
// back, both ends reached and nothing beyond them, and the two sides alike.
TEST(PadAxes, TheDeadZoneKeepsTheRangeWholeAndInOrder) {
    for (int dead_zone : {0, PAD_TRIGGER_DEAD_ZONE, PAD_STICK_DEAD_ZONE}) {
        int last = pad_dead_zoned(-40000, dead_zone);
        EXPECT_EQ(last, -32768) << dead_zone;
        for (int value = -32768; value <= 40000; value++) {
            const int out = pad_dead_zoned(value, dead_zone);
            ASSERT_GE(out, last) << value;
            ASSERT_TRUE(std::abs(value) > dead_zone || out == 0) << value;
            last = out;
        }
        EXPECT_EQ(last, 32767) << dead_zone;
        EXPECT_LE(std::abs(pad_dead_zoned(-20000, dead_zone) + pad_dead_zoned(20000, dead_zone)),
                  1);
    }
}
