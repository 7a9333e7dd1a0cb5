// A surface's pixels as packed rows of bytes, read or written through a lock, for tests that
// compare what a surface holds.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>
#include <vector>

// Every row, width x bytes per pixel each, top row first; empty when the surface cannot be
// locked.
std::vector<std::uint8_t> read_surface_pixels(IDirectDrawSurface7* surface);
// Writes packed rows into the whole surface; a test failure when it cannot be locked or the
// bytes are not exactly one picture's worth.
void write_surface_pixels(IDirectDrawSurface7* surface, const std::vector<std::uint8_t>& bytes);
