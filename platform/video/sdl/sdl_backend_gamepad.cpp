// SDL's game controllers read into the common layout the key mapping takes.
#include "platform/video/sdl/sdl_backend_gamepad.h"

std::uint32_t gamepad_keys(const GamepadInputs& in) {
    PadReading reading = {};
    reading.up = in.buttons[SDL_CONTROLLER_BUTTON_DPAD_UP];
    reading.down = in.buttons[SDL_CONTROLLER_BUTTON_DPAD_DOWN];
    reading.left = in.buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT];
    reading.right = in.buttons[SDL_CONTROLLER_BUTTON_DPAD_RIGHT];
    reading.south = in.buttons[SDL_CONTROLLER_BUTTON_A];
    reading.west = in.buttons[SDL_CONTROLLER_BUTTON_X];
    reading.start = in.buttons[SDL_CONTROLLER_BUTTON_START];
    reading.back = in.buttons[SDL_CONTROLLER_BUTTON_BACK];
    reading.stick_x = in.axes[SDL_CONTROLLER_AXIS_LEFTX];
    reading.stick_y = in.axes[SDL_CONTROLLER_AXIS_LEFTY];
    reading.right_trigger = in.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT];
    return pad_reading_keys(reading);
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
