// Game controllers through SDL, in the shared shape.
#include "platform/host/sdl/sdl_gamepad.h"
#include "platform/host/pad_slots.h"

PadState gamepad_state(const GamepadInputs& in) {
    struct Button {
        SDL_GameControllerButton button;
        PadButton shared;
    };
    static const Button BUTTONS[] = {
        {SDL_CONTROLLER_BUTTON_DPAD_UP, PAD_UP},
        {SDL_CONTROLLER_BUTTON_DPAD_DOWN, PAD_DOWN},
        {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PAD_LEFT},
        {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PAD_RIGHT},
        {SDL_CONTROLLER_BUTTON_A, PAD_SOUTH},
        {SDL_CONTROLLER_BUTTON_B, PAD_EAST},
        {SDL_CONTROLLER_BUTTON_X, PAD_WEST},
        {SDL_CONTROLLER_BUTTON_Y, PAD_NORTH},
        {SDL_CONTROLLER_BUTTON_START, PAD_START},
        {SDL_CONTROLLER_BUTTON_BACK, PAD_BACK},
        {SDL_CONTROLLER_BUTTON_LEFTSHOULDER, PAD_LEFT_SHOULDER},
        {SDL_CONTROLLER_BUTTON_RIGHTSHOULDER, PAD_RIGHT_SHOULDER},
        {SDL_CONTROLLER_BUTTON_LEFTSTICK, PAD_LEFT_STICK},
        {SDL_CONTROLLER_BUTTON_RIGHTSTICK, PAD_RIGHT_STICK},
    };
    PadState state = {};
    for (const Button& b : BUTTONS)
        state.*pad_state_field(b.shared) = in.buttons[b.button] != 0;
    // SDL's y grows downwards too.
    state.left_x = in.axes[SDL_CONTROLLER_AXIS_LEFTX];
    state.left_y = in.axes[SDL_CONTROLLER_AXIS_LEFTY];
    state.right_x = in.axes[SDL_CONTROLLER_AXIS_RIGHTX];
    state.right_y = in.axes[SDL_CONTROLLER_AXIS_RIGHTY];
    state.left_trigger = in.axes[SDL_CONTROLLER_AXIS_TRIGGERLEFT];
    state.right_trigger = in.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT];
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
