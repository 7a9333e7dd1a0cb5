// Game controllers as the keyboard's keys: the d-pad and left stick are the arrows, the
// south button jumps (Page Down), the west button or right trigger runs (Delete), Start is
// Enter and Back is Escape.
#include "platform/video/sdl/sdl_backend_gamepad.h"
#include "platform/win32.h"

namespace {

constexpr int KEYS[GAMEPAD_KEY_COUNT] = {VK_UP,   VK_DOWN,   VK_LEFT,   VK_RIGHT,
                                         VK_NEXT, VK_DELETE, VK_RETURN, VK_ESCAPE};
enum { UP, DOWN, LEFT, RIGHT, JUMP, RUN, ENTER, ESCAPE };

std::uint32_t bit(int key) {
    return 1u << key;
}

} // namespace

int gamepad_virtual_key(int key_bit) {
    return key_bit >= 0 && key_bit < GAMEPAD_KEY_COUNT ? KEYS[key_bit] : 0;
}

std::uint32_t gamepad_keys(const GamepadInputs& in) {
    std::uint32_t keys = 0;
    int stick_x = in.axes[SDL_CONTROLLER_AXIS_LEFTX];
    int stick_y = in.axes[SDL_CONTROLLER_AXIS_LEFTY]; // positive downwards
    if (in.buttons[SDL_CONTROLLER_BUTTON_DPAD_UP] || stick_y < -GAMEPAD_DEAD_ZONE) keys |= bit(UP);
    if (in.buttons[SDL_CONTROLLER_BUTTON_DPAD_DOWN] || stick_y > GAMEPAD_DEAD_ZONE)
        keys |= bit(DOWN);
    if (in.buttons[SDL_CONTROLLER_BUTTON_DPAD_LEFT] || stick_x < -GAMEPAD_DEAD_ZONE)
        keys |= bit(LEFT);
    if (in.buttons[SDL_CONTROLLER_BUTTON_DPAD_RIGHT] || stick_x > GAMEPAD_DEAD_ZONE)
        keys |= bit(RIGHT);
    if (in.buttons[SDL_CONTROLLER_BUTTON_A]) keys |= bit(JUMP);
    if (in.buttons[SDL_CONTROLLER_BUTTON_X] ||
        in.axes[SDL_CONTROLLER_AXIS_TRIGGERRIGHT] > GAMEPAD_DEAD_ZONE)
        keys |= bit(RUN);
    if (in.buttons[SDL_CONTROLLER_BUTTON_START]) keys |= bit(ENTER);
    if (in.buttons[SDL_CONTROLLER_BUTTON_BACK]) keys |= bit(ESCAPE);
    return keys;
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
