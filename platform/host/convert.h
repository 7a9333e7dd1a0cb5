// Conversion of the screen's picture to 32-bit 0xAARRGGBB for presentation, shared by every
// host: the palette's table of colours and the conversion of whole rows.
#pragma once

#include "platform/host/host.h"

#include <cstdint>

// The 256 palette entries as opaque 0xFFRRGGBB colours.
void palette_to_argb(const HostColor* palette, std::uint32_t table[256]);
// Converts a picture to 0xAARRGGBB pixels (alpha 0xFF): through the palette's table at 8 bits
// per pixel, by its bit layout at 15 and 16. A picture that cannot be read (no pixels, no
// palette at 8 bits, a pitch too small, another depth) leaves out untouched.
void convert_picture_to_argb(const VideoPicture* picture, std::uint32_t* out, int out_pitch_pixels);
