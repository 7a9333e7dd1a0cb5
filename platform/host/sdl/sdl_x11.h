// The size the X server gives the game's window, asked of the server itself: SDL keeps the
// size it last asked for when a window manager refuses the request without telling.
#pragma once

#include <SDL.h>

// The window's inside in window points; 0 when it cannot be told (not on X11).
int x11_window_size(SDL_Window* window, int* width, int* height);
