// A palette entry as the display, bitmap colour tables and palette text hold it: red, green,
// blue and flags bytes, in that order, laid out like the platform's PALETTEENTRY.
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
static_assert(sizeof(PaletteEntry) == 4);
