// The picture converted and scaled into a host's 32-bit pixels by nearest neighbour:
// whole factors replicate pixels and rows in one pass, any other size maps each row and
// column. Shared by every host that scales by itself (SDL's, Windows's).
#pragma once

#include "platform/host/host.h"
#include "platform/host/viewport.h"

#include <cstdint>

// Output rows first..last (inclusive, counted from the viewport's top) that show picture rows
// picture_first..picture_last through the viewport; 0 when none does.
int viewport_rows_of(const VideoViewport& viewport, int picture_height, int picture_first,
                     int picture_last, int* first, int* last);

// Writes viewport rows first..last of the picture, converted and scaled to the viewport, into
// out (pitch in pixels): row r lands at out + (viewport.y + r) * out_pitch + viewport.x. Each
// output pixel takes the picture pixel under its top-left corner.
void scale_picture_rows(const VideoPicture* picture, const VideoViewport& viewport, int first,
                        int last, std::uint32_t* out, int out_pitch);

// The same from pixels already converted to 0xAARRGGBB (picture_pitch in pixels).
void scale_rows(const std::uint32_t* picture, int picture_pitch, int picture_width,
                int picture_height, const VideoViewport& viewport, int first, int last,
                std::uint32_t* out, int out_pitch);
