// Filling an off-screen surface with one cell of an 8-bit sheet held in a bitmap file.
#pragma once

#include "engine/image/bitmap_file.h"
#include "platform/ddraw.h"

#include <cstdint>

// Copies cell (cx, cy), sized as the surface, into the whole surface. 0 and nothing
// written when the cell leaves the picture, the file is not 8-bit or the lock fails.
std::int32_t surface_cut_cell(const BitmapFile* bitmap, IDirectDrawSurface7* surface,
                              std::int32_t cx, std::int32_t cy);
