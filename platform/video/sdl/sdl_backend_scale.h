// Nearest-neighbour scaling of the converted picture into the window's own pixels, so that
// the game's picture reaches the screen without a graphics pipeline in between.
#pragma once

#include "platform/video/viewport.h"

#include <cstdint>

// Output rows first..last (inclusive) that show picture rows picture_first..picture_last
// through the viewport; 0 when none does.
int viewport_rows_of(const VideoViewport& viewport, int picture_height, int picture_first,
                     int picture_last, int* first, int* last);

// Writes viewport rows first..last of the scaled picture into out (pitches in pixels); each
// output pixel takes the picture pixel under its top-left corner. Whole factors replicate
// pixels and rows; any other size maps each row and column.
void scale_rows(const std::uint32_t* picture, int picture_pitch, int picture_width,
                int picture_height, const VideoViewport& viewport, int first, int last,
                std::uint32_t* out, int out_pitch);
