// Whole bitmap files made in memory: 8-bit pictures with their colour table, and 24-bit
// pictures. Rows are stored bottom row first and padded to whole 32-bit words.
#pragma once

#include "formats/palette_entry.h"

#include <cstdint>
#include <vector>

// An uncompressed 8-bit file from `width` x `height` palette indices, top row first, and a
// colour table of 256 entries (their flags are not stored). Empty when a side is not positive
// or larger than BMP_MAX_SIDE.
std::vector<std::uint8_t> bmp_encode_indexed(std::int32_t width, std::int32_t height,
                                             const std::uint8_t* indices,
                                             const PaletteEntry* colours);

// An uncompressed 24-bit file from `width` x `height` 0xAARRGGBB pixels, top row first; the
// alpha is not stored. Empty when a side is not positive or larger than BMP_MAX_SIDE.
std::vector<std::uint8_t> bmp_encode_rgb24(std::int32_t width, std::int32_t height,
                                           const std::uint32_t* argb);
