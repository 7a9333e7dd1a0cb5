// PNG files read in memory: palettised pictures as indices with their colour table, every
// other kind (grey, true colour, with or without alpha, 16 bits a channel, interlaced) as
// red, green, blue and alpha bytes.
#pragma once

#include "formats/palette_entry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct PngPicture {
    std::int32_t width;
    std::int32_t height;
    std::int32_t indexed;              // 1: `indices` and `colours` hold the picture; 0: `rgba`
    std::int32_t colour_count;         // entries of the colour table, 1 to 256 (indexed only)
    PaletteEntry colours[256];         // flags 0; entries from colour_count on are black
    std::uint8_t alpha[256];           // each entry's opacity, 255 where the file gives none
    std::vector<std::uint8_t> indices; // width * height, top row first (indexed)
    std::vector<std::uint8_t> rgba;    // width * height * 4, top row first (not indexed)
};

// Whether the bytes begin with the PNG signature.
bool png_signature(const std::uint8_t* data, std::size_t size);

// Decodes a whole file; null on success, else why it was refused (a short phrase). Pictures
// wider or higher than PNG_MAX_SIDE are refused before anything is allocated for them.
const char* png_decode(const std::uint8_t* data, std::size_t size, PngPicture* picture);
