// The SDL2 host's key mapping, apart from SDL's event loop so that it can be checked
// without a display.
#pragma once

#include <cstdint>

// The Windows virtual-key code of an SDL key code; 0 for keys the game has no code for.
int sdl_key_to_virtual_key(std::int32_t keycode);
