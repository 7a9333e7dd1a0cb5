// Turning a bitmap file's stored rows (padded, usually bottom row first) into packed upright
// pixels, with the 24-bit to 16-bit colour conversion.
#pragma once

#include "engine/image/bitmap_layout.h"

#include <cstdint>

// Copies the stored rows of an 8-bit or 16-bit file into `pixels`, packed and top row first.
void unpack_rows(const std::uint8_t* stored, const BitmapLayout& layout, std::uint8_t* pixels);

// Converts the stored rows of a 24-bit file into 16-bit words, packed and top row first, in
// the layout of the display's `pixel_format` (15: 5.5.5; anything else: 5.6.5).
void convert_rows24(const std::uint8_t* stored, const BitmapLayout& layout,
                    std::int32_t pixel_format, std::uint16_t* pixels);
