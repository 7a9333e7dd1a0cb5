// Lost surfaces: when another program takes the display (Alt+Tab from full screen), DirectDraw
// takes the surfaces' memory away. Finding that out, and getting the memory back.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

// 1 when the surface's memory is lost; 0 for a null surface or one that is whole.
std::int32_t surface_lost(IDirectDrawSurface7* surface);
// 1 when the primary surface or the back buffer has lost its memory.
std::int32_t display_lost();
// Gives every surface of the DirectDraw object its memory back, clears the back buffer (and a
// full screen's primary) to colour 0 and attaches the display palette again; 1 when done.
// The pixels of the other surfaces are not brought back: their owners must draw them again.
// 0 while the display cannot be had back yet (the user is still switched away): try again on
// a later frame.
std::int32_t display_restore();
