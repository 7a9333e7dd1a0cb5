// Writes the palette as the game's text palette file: for every entry a line break,
// then red, green, blue and flags as decimals.
#pragma once

#include "art/tool/palette_design.h"

#include <string>

bool write_palette_text(const std::string& path, const GamePalette& palette);
