// A palette entry and a whole 256-entry palette, laid out exactly like the platform's
// PALETTEENTRY so that they go to DirectDraw without conversion. The entry is the one the
// file formats read and write.
#pragma once

#include "formats/palette_entry.h"

// A whole palette: entries 0 to 255, 1024 bytes.
using Palette = PaletteEntry[256];
static_assert(sizeof(Palette) == 1024);
