// Game controllers as keys: which of the keyboard's virtual keys a controller's buttons,
// d-pad, left stick and right trigger hold down, apart from SDL's event loop so that the
// mapping can be checked on its own.
#pragma once

#include "platform/video/gamepad_keys.h"

#include <SDL.h>

#include <cstdint>

// A controller's state as SDL reports it: buttons by SDL_GameControllerButton, axes by
// SDL_GameControllerAxis (sticks -32768 to 32767, triggers 0 to 32767).
struct GamepadInputs {
    std::uint8_t buttons[SDL_CONTROLLER_BUTTON_MAX];
    std::int16_t axes[SDL_CONTROLLER_AXIS_MAX];
};

// The set of keys that these inputs hold down.
std::uint32_t gamepad_keys(const GamepadInputs& inputs);
// The current inputs of an open controller.
GamepadInputs gamepad_read(SDL_GameController* controller);
