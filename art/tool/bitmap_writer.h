// Writes a canvas as an uncompressed 8-bit Windows bitmap with the full colour table.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/palette_design.h"

#include <string>

// Refuses (false, nothing written) a canvas whose width is not a multiple of 4: the
// game's reader takes rows as unpadded, so every row must already be 4-byte aligned.
bool write_bitmap_file(const std::string& path, const Canvas& canvas, const GamePalette& palette);
