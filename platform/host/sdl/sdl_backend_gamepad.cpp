// Game controllers through SDL, in the shared shape.
#include "platform/host/sdl/sdl_backend_gamepad.h"
#include "platform/host/pad_slots.h"

PadState gamepad_state(const GamepadInputs& in) {
    PadState state = {};
    state.dpad_up = in.buttons[SDL_CONTROLLER_BUTTON_DPAD_UP] != 0;
    state.dpad_down = in.buttons[SDL_CONTROLLER_BUTTON_DPAD_DOWN] != 0;
    state.dpad_left = in.buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT] != 0;
    state.dpad_right = in.buttons[SDL_CONTROLLER_BUTTON_DPAD_RIGHT] != 0;
    state.south = in.buttons[SDL_CONTROLLER_BUTTON_A] != 0;
    state.west = in.buttons[SDL_CONTROLLER_BUTTON_X] != 0;
    state.start = in.buttons[SDL_CONTROLLER_BUTTON_START] != 0;
    state.back = in.buttons[SDL_CONTROLLER_BUTTON_BACK] != 0;
    state.left_x = in.axes[SDL_CONTROLLER_AXIS_LEFTX];
    state.left_y = in.axes[SDL_CONTROLLER_AXIS_LEFTY]; // SDL's y grows downwards too
    state.right_trigger = in.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT];
    state.east = in.buttons[SDL_CONTROLLER_BUTTON_B] != 0;
    state.north = in.buttons[SDL_CONTROLLER_BUTTON_Y] != 0;
    state.left_shoulder = in.buttons[SDL_CONTROLLER_BUTTON_LEFTSHOULDER] != 0;
    state.right_shoulder = in.buttons[SDL_CONTROLLER_BUTTON_RIGHTSHOULDER] != 0;
    state.left_stick = in.buttons[SDL_CONTROLLER_BUTTON_LEFTSTICK] != 0;
    state.right_stick = in.buttons[SDL_CONTROLLER_BUTTON_RIGHTSTICK] != 0;
    state.right_x = in.axes[SDL_CONTROLLER_AXIS_RIGHTX];
    state.right_y = in.axes[SDL_CONTROLLER_AXIS_RIGHTY];
    state.left_trigger = in.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT];
    return state;
}

std::uint64_t gamepad_kind(SDL_GameController* controller) {
    const SDL_JoystickGUID guid = SDL_JoystickGetGUID(SDL_GameControllerGetJoystick(controller));
    return pad_kind(guid.data, sizeof guid.data);
}

GamepadInputs gamepad_read(SDL_GameController* controller) {
    GamepadInputs in = {};
    for (int b = 0; b < SDL_CONTROLLER_BUTTON_MAX; b++)
        in.buttons[b] =
            SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(b));
    for (int a = 0; a < SDL_CONTROLLER_AXIS_MAX; a++)
        in.axes[a] = SDL_GameControllerGetAxis(controller, static_cast<SDL_GameControllerAxis>(a));
    return in;
}
