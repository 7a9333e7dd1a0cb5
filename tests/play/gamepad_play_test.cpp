// The whole game played with a controller: SDL's virtual joystick on the SDL backend, in a
// window of SDL's dummy driver, through the game's real entry point and real clock.
#include "engine/util/frame_clock.h"
#include "game/player_state.h"
#include "game/screens.h"
#include "game/setup.h"
#include "platform/platform_reset.h"
#include "platform/host/sdl/sdl_host.h"
#include "platform/host/screen.h"
#include "platform/win32.h"
#include "support/virtual_pad.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// What the controller does at the end of a pass.
struct PadStep {
    int pass;
    int button; // an SDL_GameControllerButton, or -1 for the left stick's x axis
    int value;  // 1 / 0 for a button, the axis position for the stick
};

struct Seen {
    std::int32_t game_state;
    std::int32_t menu_selection;
    float x;
    float y;
};

const std::vector<PadStep> Steps = {
    {5, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 1},
    {7, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 0},
    {10, SDL_CONTROLLER_BUTTON_DPAD_UP, 1},
    {12, SDL_CONTROLLER_BUTTON_DPAD_UP, 0},
    {15, SDL_CONTROLLER_BUTTON_START, 1},
    {17, SDL_CONTROLLER_BUTTON_START, 0},
    {30, -1, 32000},
    {60, -1, 0},
    {70, SDL_CONTROLLER_BUTTON_A, 1},
    {80, SDL_CONTROLLER_BUTTON_A, 0},
    {100, SDL_CONTROLLER_BUTTON_BACK, 1},
    {102, SDL_CONTROLLER_BUTTON_BACK, 0},
    {106, SDL_CONTROLLER_BUTTON_BACK, 1},
    {108, SDL_CONTROLLER_BUTTON_BACK, 0},
};

Host Wrapped;
SDL_Joystick* Pad = nullptr;
std::vector<Seen> Passes;
DWORD LastFrameStart = 0;

// Each pass presents once; a new frame clock reading marks a new pass.
void present_and_play(const VideoPicture* picture) {
    sdl_host()->present(picture);
    if (FrameStartTicks == 0 || FrameStartTicks == LastFrameStart) return;
    LastFrameStart = FrameStartTicks;
    Passes.push_back({GameState, MenuSelection, PlayerSprite.x, PlayerSprite.y});
    const int pass = static_cast<int>(Passes.size());
    for (const PadStep& step : Steps) {
        if (step.pass != pass) continue;
        if (step.button < 0)
            SDL_JoystickSetVirtualAxis(Pad, SDL_CONTROLLER_AXIS_LEFTX,
                                       static_cast<Sint16>(step.value));
        else
            SDL_JoystickSetVirtualButton(Pad, step.button, static_cast<Uint8>(step.value));
    }
}

} // namespace

TEST(GamepadPlay, AControllerChoosesStartsWalksJumpsAndGoesBack) {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    // The dummy driver's window never takes the keyboard focus, which controllers wait for.
    SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_JOYSTICK), 0);
    int device = attach_virtual_pad(); // plugged in before the game starts
    ASSERT_GE(device, 0) << SDL_GetError();
    Pad = SDL_JoystickOpen(device);
    ASSERT_NE(Pad, nullptr);

    platform_reset();
    Wrapped = *sdl_host();
    Wrapped.present = present_and_play;
    host_use(&Wrapped);
    FrameStartTicks = 0;
    char command_line[] = "";
    int exit_code = WinMain(nullptr, nullptr, command_line, SW_SHOWNORMAL);
    SDL_JoystickClose(Pad);
    SDL_JoystickDetachVirtual(device);
    SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    platform_reset();

    EXPECT_EQ(exit_code, 0);
    ASSERT_GE(Passes.size(), 106u) << "Back twice ends the game, not before";
    EXPECT_LE(Passes.size(), 130u);
    auto at = [](int pass) { return Passes[pass - 1]; };
    EXPECT_EQ(at(4).menu_selection, 0);
    EXPECT_EQ(at(9).menu_selection, 1) << "d-pad down";
    EXPECT_EQ(at(14).menu_selection, 0) << "d-pad up";
    EXPECT_EQ(at(14).game_state, STATE_MENU);
    EXPECT_EQ(at(20).game_state, STATE_PLAYING) << "Start";
    EXPECT_GT(at(60).x, at(30).x + 20) << "the stick walks right";
    EXPECT_EQ(at(68).x, at(66).x) << "and stops when let go";
    float highest = at(70).y;
    for (int pass = 71; pass <= 90; pass++)
        highest = std::min(highest, at(pass).y);
    EXPECT_LT(highest, at(70).y - 10) << "A jumps";
    EXPECT_EQ(at(104).game_state, STATE_MENU) << "Back";
}
