// A palette entry and a whole 256-entry palette, laid out exactly like the platform's
// PALETTEENTRY so that they go to DirectDraw without conversion.
#pragma once

#include <cstdint>

struct PaletteEntry {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
    std::uint8_t flags;
};

using Palette = PaletteEntry[256];
static_assert(sizeof(Palette) == 1024);
