// Game controllers on the SDL target: SDL's buttons and axes read into the shared shape, and
// SDL's virtual joystick played through the window messages and key state with the game's
// bindings and read on its own by number, plugged in and out while the window is open.
#include "platform/platform_reset.h"
#include "platform/host/sdl/sdl_host.h"
#include "platform/host/pad_slots.h"
#include "platform/host/sdl/sdl_gamepad.h"
#include "platform/host/screen.h"
#include "platform/win32.h"
#include "shell/pad_bindings.h"
#include "support/virtual_pad.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <vector>

// SDL's translation into the shared shape: its buttons by name, its axes in their own range
// and direction (y grows downwards, as in the shared shape), and what it leaves out.
TEST(SdlPad, ButtonsAndAxesReachTheSharedShapeUnchanged) {
    GamepadInputs in = {};
    struct Case {
        SDL_GameControllerButton button;
        PadButton shared;
    };
    const Case cases[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, PAD_UP},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PAD_DOWN},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PAD_LEFT},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PAD_RIGHT},
        {SDL_CONTROLLER_BUTTON_A, PAD_SOUTH},
        {SDL_CONTROLLER_BUTTON_X, PAD_WEST},
        {SDL_CONTROLLER_BUTTON_START, PAD_START},
        {SDL_CONTROLLER_BUTTON_BACK, PAD_BACK},
        {SDL_CONTROLLER_BUTTON_B, PAD_EAST},
        {SDL_CONTROLLER_BUTTON_Y, PAD_NORTH},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PAD_LEFT_SHOULDER},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PAD_RIGHT_SHOULDER},
        {SDL_CONTROLLER_BUTTON_LEFTSTICK, PAD_LEFT_STICK},
        {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PAD_RIGHT_STICK},
    };
    for (const Case& c : cases) {
        in = {};
        in.buttons[c.button] = 1;
        EXPECT_EQ(pad_buttons(gamepad_state(in)), pad_button(c.shared)) << c.button;
    }
    // The guide button is no part of the shape; the right stick holds no button.
    in = {};
    in.buttons[SDL_CONTROLLER_BUTTON_GUIDE] = 1;
    in.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT] = 32767;
    in.axes[SDL_CONTROLLER_AXIS_RIGHTX] = -32768;
    in.axes[SDL_CONTROLLER_AXIS_RIGHTY] = 32767;
    const PadState other = gamepad_state(in);
    EXPECT_EQ(pad_buttons(other), pad_button(PAD_LEFT_TRIGGER));
    EXPECT_TRUE(other.right_x == -32768 && other.right_y == 32767 && other.left_trigger == 32767);
    // The stick's ends and the trigger's range as SDL gives them.
    in = {};
    in.axes[SDL_CONTROLLER_AXIS_LEFTX] = -32768;
    in.axes[SDL_CONTROLLER_AXIS_LEFTY] = 32767;
    in.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] = 32767;
    const PadState ends = gamepad_state(in);
    EXPECT_TRUE(ends.left_x == -32768 && ends.left_y == 32767 && ends.right_trigger == 32767);
    EXPECT_EQ(pad_buttons(ends),
              pad_button(PAD_LEFT) | pad_button(PAD_DOWN) | pad_button(PAD_RIGHT_TRIGGER));
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
    host_use(sdl_host());
    bind_game_pad();
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
    // The same controller on its own, as number 0.
    const std::uint32_t holding =
        pad_button(PAD_RIGHT) | pad_button(PAD_RIGHT_TRIGGER) | pad_button(PAD_SOUTH);
    PadReading reading;
    EXPECT_EQ(pad_count(), 1);
    EXPECT_TRUE(pad_read(0, &reading) && reading.down == holding);
    EXPECT_EQ(reading.axes[PAD_AXIS_LEFT_X], pad_dead_zoned(30000, PAD_STICK_DEAD_ZONE));

    // Unplugged while held: everything it held is let go.
    SDL_JoystickClose(pad);
    ASSERT_EQ(SDL_JoystickDetachVirtual(device), 0);
    std::vector<Key> released = key_messages();
    EXPECT_EQ(released.size(), 3u);
    for (const Key& k : released)
        EXPECT_EQ(k.message, static_cast<UINT>(WM_KEYUP));
    EXPECT_FALSE(held(VK_RIGHT) || held(VK_DELETE) || held(VK_NEXT));
    EXPECT_FALSE(pad_read(0, &reading));
    EXPECT_TRUE(reading.down == 0 && reading.released == holding);
    EXPECT_EQ(pad_count(), 0);

    // And plugged in again.
    device = attach_virtual_pad();
    ASSERT_GE(device, 0);
    pad = SDL_JoystickOpen(device);
    key_messages();
    SDL_JoystickSetVirtualButton(pad, SDL_CONTROLLER_BUTTON_BACK, 1);
    EXPECT_EQ(key_messages(), (std::vector<Key>{{WM_KEYDOWN, VK_ESCAPE}}));
    EXPECT_TRUE(pad_read(0, &reading) && reading.pressed == pad_button(PAD_BACK));
    SDL_JoystickClose(pad);
    SDL_JoystickDetachVirtual(device);
    DestroyWindow(window);
    platform_reset();
}
