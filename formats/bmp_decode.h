// A whole 8-bit bitmap file in memory, read the standard way (rows at the file header's
// offset, the colour table after the info header), as palette indices top row first.
#pragma once

#include "formats/palette_entry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct BmpIndexedImage {
    std::int32_t width;
    std::int32_t height;
    std::int32_t colour_count;         // entries the file's colour table holds, 1 to 256
    PaletteEntry colours[256];         // flags 0; entries from colour_count on are black
    std::vector<std::uint8_t> indices; // width * height, top row first
};

// Decodes an uncompressed 8-bit file; false (image untouched) for anything else and for any
// header whose parts do not lie inside the `size` bytes.
bool bmp_decode_indexed(const std::uint8_t* data, std::size_t size, BmpIndexedImage* image);
