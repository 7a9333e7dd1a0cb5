// A palette entry and a whole 256-entry palette, laid out exactly like the platform's
// PALETTEENTRY so that they go to DirectDraw without conversion.
#pragma once

#include <cstdint>

// One colour of a palette, with the platform's flags byte.
struct PaletteEntry {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    // PC_RESERVED 1, PC_EXPLICIT 2, PC_NOCOLLAPSE 4; normally 0.
    std::uint8_t flags;
};

// A whole palette: entries 0 to 255, 1024 bytes.
using Palette = PaletteEntry[256];
static_assert(sizeof(Palette) == 1024);
