// SDL's virtual joystick, shaped like a game controller, standing in for one in tests.
#pragma once

#include <SDL.h>

// Attaches a controller whose buttons and axes are SDL_GameControllerButton and
// SDL_GameControllerAxis in order; its device index, or -1.
inline int attach_virtual_pad() {
    SDL_VirtualJoystickDesc desc;
    SDL_zero(desc);
    desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
    desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
    desc.naxes = SDL_CONTROLLER_AXIS_MAX;
    desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
    desc.name = "test pad";
    return SDL_JoystickAttachVirtualEx(&desc);
}
