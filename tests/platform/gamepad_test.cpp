// Game controllers on the SDL backend: the mapping of buttons, d-pad, stick and trigger to
// the keyboard's virtual keys, and SDL's virtual joystick played through the window
// messages and key state, plugged in and out while the window is open.
#include "platform/platform_reset.h"
#include "platform/video/sdl/sdl_backend.h"
#include "platform/video/sdl/sdl_backend_gamepad.h"
#include "platform/video/video.h"
#include "platform/win32.h"
#include "support/virtual_pad.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

namespace {

std::set<int> keys_of(std::uint32_t set) {
    std::set<int> keys;
    for (int b = 0; b < GAMEPAD_KEY_COUNT; b++)
        if (set & (1u << b)) keys.insert(gamepad_virtual_key(b));
    return keys;
}

GamepadInputs with_button(int button) {
    GamepadInputs in = {};
    in.buttons[button] = 1;
    return in;
}

GamepadInputs with_axis(int axis, int value) {
    GamepadInputs in = {};
    in.axes[axis] = static_cast<std::int16_t>(value);
    return in;
}

} // namespace

TEST(GamepadKeys, ButtonsStickAndTriggerHoldTheKeyboardsKeys) {
    EXPECT_EQ(gamepad_keys(GamepadInputs{}), 0u);
    struct Case {
        GamepadInputs in;
        std::set<int> keys;
    };
    const Case cases[] = {
        {with_button(SDL_CONTROLLER_BUTTON_DPAD_UP), {VK_UP}},
        {with_button(SDL_CONTROLLER_BUTTON_DPAD_DOWN), {VK_DOWN}},
        {with_button(SDL_CONTROLLER_BUTTON_DPAD_LEFT), {VK_LEFT}},
        {with_button(SDL_CONTROLLER_BUTTON_DPAD_RIGHT), {VK_RIGHT}},
        {with_button(SDL_CONTROLLER_BUTTON_A), {VK_NEXT}},
        {with_button(SDL_CONTROLLER_BUTTON_X), {VK_DELETE}},
        {with_button(SDL_CONTROLLER_BUTTON_START), {VK_RETURN}},
        {with_button(SDL_CONTROLLER_BUTTON_BACK), {VK_ESCAPE}},
        {with_button(SDL_CONTROLLER_BUTTON_B), {}},
        {with_button(SDL_CONTROLLER_BUTTON_Y), {}},
        {with_axis(SDL_CONTROLLER_AXIS_LEFTX, 32767), {VK_RIGHT}},
        {with_axis(SDL_CONTROLLER_AXIS_LEFTX, -32768), {VK_LEFT}},
        {with_axis(SDL_CONTROLLER_AXIS_LEFTY, -20000), {VK_UP}},
        {with_axis(SDL_CONTROLLER_AXIS_LEFTY, 20000), {VK_DOWN}},
        // Inside the dead zone a resting stick holds nothing.
        {with_axis(SDL_CONTROLLER_AXIS_LEFTX, GAMEPAD_DEAD_ZONE), {}},
        {with_axis(SDL_CONTROLLER_AXIS_LEFTY, -GAMEPAD_DEAD_ZONE), {}},
        {with_axis(SDL_CONTROLLER_AXIS_LEFTX, GAMEPAD_DEAD_ZONE + 1), {VK_RIGHT}},
        {with_axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767), {VK_DELETE}},
        {with_axis(SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 3000), {}},
        {with_axis(SDL_CONTROLLER_AXIS_TRIGGERLEFT, 32767), {}},
        {with_axis(SDL_CONTROLLER_AXIS_RIGHTX, 32767), {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(keys_of(gamepad_keys(c.in)), c.keys);
    // Several at once, the diagonal of the stick included.
    GamepadInputs in = with_axis(SDL_CONTROLLER_AXIS_LEFTX, 30000);
    in.axes[SDL_CONTROLLER_AXIS_LEFTY] = -30000;
    in.buttons[SDL_CONTROLLER_BUTTON_A] = 1;
    in.buttons[SDL_CONTROLLER_BUTTON_X] = 1;
    EXPECT_EQ(keys_of(gamepad_keys(in)), (std::set<int>{VK_RIGHT, VK_UP, VK_NEXT, VK_DELETE}));
    EXPECT_EQ(gamepad_virtual_key(-1), 0);
    EXPECT_EQ(gamepad_virtual_key(GAMEPAD_KEY_COUNT), 0);
}

namespace {

struct Key {
    UINT message;
    WPARAM key;
    bool operator==(const Key& other) const { return message == other.message && key == other.key; }
};

LRESULT CALLBACK pad_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(window, message, wparam, lparam);
}

// Takes every queued key message.
std::vector<Key> key_messages() {
    std::vector<Key> keys;
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        if (msg.message == WM_KEYDOWN || msg.message == WM_KEYUP)
            keys.push_back({msg.message, msg.wParam});
    return keys;
}

bool held(int key) {
    return (GetAsyncKeyState(key) & 0x8000) != 0;
}

} // namespace

// SDL's virtual joystick stands in for a controller, in a window of SDL's dummy driver.
TEST(GamepadPlay, AVirtualControllerPressesKeysAndLetsGoWhenUnplugged) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    // The dummy driver's window never takes the keyboard focus, which controllers wait for.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    platform_reset();
    video_use_backend(sdl_video_backend());
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = pad_proc;
    wc.lpszClassName = "PADTEST";
    ASSERT_TRUE(RegisterClassExA(&wc));
    HWND window = CreateWindowExA(0, "PADTEST", "pad", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480,
                                  nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    ASSERT_TRUE(SDL_WasInit(SDL_INIT_GAMECONTROLLER));
    key_messages();

    // Plugged in while the window is open.
    int device = attach_virtual_pad();
    ASSERT_GE(device, 0) << SDL_GetError();
    SDL_Joystick* pad = SDL_JoystickOpen(device);
    ASSERT_NE(pad, nullptr);
    EXPECT_TRUE(key_messages().empty());

    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1);
    EXPECT_EQ(key_messages(), (std::vector<Key>{{WM_KEYDOWN, VK_DOWN}}));
    EXPECT_TRUE(held(VK_DOWN));
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 1);
    EXPECT_EQ(key_messages(), (std::vector<Key>{{WM_KEYUP, VK_DOWN}, {WM_KEYDOWN, VK_RETURN}}));
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_START, 0);
    key_messages();

    // The stick past its dead zone walks, the trigger runs, the south button jumps; the
    // stick's small moves inside the dead zone change nothing.
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 5000);
    EXPECT_TRUE(key_messages().empty());
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_LEFTX, 30000);
    SDL_JoystickSetVirtualAxis(pad, SDL_CONTROLLER_AXIS_TRIGGERRIGHT, 32767);
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_A, 1);
    std::vector<Key> pressed = key_messages();
    EXPECT_EQ(std::set<WPARAM>({pressed.at(0).key, pressed.at(1).key, pressed.at(2).key}),
              (std::set<WPARAM>{VK_RIGHT, VK_DELETE, VK_NEXT}));
    EXPECT_TRUE(held(VK_RIGHT) && held(VK_DELETE) && held(VK_NEXT));

    // Unplugged while held: everything it held is let go.
    SDL_JoystickClose(pad);
    ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0);
    std::vector<Key> released = key_messages();
    EXPECT_EQ(released.size(), 3u);
    for (const Key& k : released)
        EXPECT_EQ(k.message, static_cast<UINT>(WM_KEYUP));
    EXPECT_FALSE(held(VK_RIGHT) || held(VK_DELETE) || held(VK_NEXT));

    // And plugged in again.
    device = attach_virtual_pad();
    ASSERT_GE(device, 0);
    pad = SDL_JoystickOpen(device);
    key_messages();
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_BACK, 1);
    EXPECT_EQ(key_messages(), (std::vector<Key>{{WM_KEYDOWN, VK_ESCAPE}}));
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(device);
    DestroyWindow(window);
    platform_reset();
}
