// The page's app icons (192 and 512 pixels square, as a web app manifest lists them): the
// window's 32 x 32 icon scaled up by whole factors, written as PNG files with the game's
// palette, whose transparent colour is clear.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/palette_design.h"

#include <cstdint>
#include <string>
#include <vector>

// The icon drawn into a square of `size` pixels: scaled by the largest whole factor that
// fits and centred, clear around it. An empty canvas for sizes below the icon's own.
Canvas web_icon_canvas(const Canvas& icon, int size);
// A canvas as a PNG file (8-bit indexed with the palette, no filter, stored without
// compression); the pixels of colour `clear` are transparent. Empty for an empty canvas.
std::vector<std::uint8_t> png_encode(const Canvas& canvas, const GamePalette& palette, int clear);
bool write_png_file(const std::string& path, const Canvas& canvas, const GamePalette& palette,
                    int clear);
