// Game controllers through SDL: a controller's buttons, d-pad, sticks and triggers read as SDL
// reports them, in the shape every system shares.
#pragma once

#include "platform/host/pad_keys.h"

#include <SDL.h>

#include <cstdint>

// A controller's state as SDL reports it: buttons by SDL_GameControllerButton, axes by
// SDL_GameControllerAxis (sticks -32768 to 32767, triggers 0 to 32767).
struct GamepadInputs {
    std::uint8_t buttons[SDL_CONTROLLER_BUTTON_MAX];
    std::int16_t axes[SDL_CONTROLLER_AXIS_MAX];
};

// The inputs in the shared shape.
PadState gamepad_state(const GamepadInputs& inputs);
// The current inputs of an open controller.
GamepadInputs gamepad_read(SDL_GameController* controller);
// What model an open controller is, the same whenever it is plugged in.
std::uint64_t gamepad_kind(SDL_GameController* controller);
