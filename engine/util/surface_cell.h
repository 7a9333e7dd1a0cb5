// Filling an off-screen surface with one cell of an 8-bit sheet held in a bitmap file.
#pragma once

#include "engine/image/bitmap_file.h"
#include "platform/ddraw.h"

#include <cstdint>

// Copies cell (cx, cy), sized as the surface, into the whole surface, leaving each row's
// padding beyond its width alone. 0 and nothing written when either is null, the cell does
// not lie wholly inside the picture, the file holds no 8-bit pixels, the surface is not
// 8-bit or the lock fails.
std::int32_t surface_cut_cell(const BitmapFile* bitmap, IDirectDrawSurface7* surface,
                              std::int32_t cx, std::int32_t cy);
