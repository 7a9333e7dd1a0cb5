// Conversion of the screen's picture to 32-bit ARGB for presentation, shared by the backends.
#pragma once

#include "platform/video/video_backend.h"

#include <cstdint>

// Converts a picture to 32-bit 0xAARRGGBB pixels (alpha 0xFF): through a 256-entry table at
// 8 bits per pixel, by its bit layout at 15 and 16.
void convert_picture_to_argb(const VideoPicture* picture, std::uint32_t* out, int out_pitch_pixels);
