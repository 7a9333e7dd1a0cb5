// The window's icon 101 (16 x 16 and 32 x 32) and the class cursor 9 (32 x 32, an
// arrow whose tip at (0, 0) is the hot spot); the transparent colour marks clear pixels.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/pixel_grid.h"

#include <string>

bool build_icon_small(const PixelGrids& grids, Canvas& out, std::string& error);
bool build_icon_large(const PixelGrids& grids, Canvas& out, std::string& error);
bool build_cursor(const PixelGrids& grids, Canvas& out, std::string& error);

// The same icon at `size` x `size` (1 to ICON_ART_MAX_SIDE) for desktops and web pages: the
// small icon up to 31 pixels, the large one above, each pixel grown as a whole block.
constexpr int ICON_ART_MAX_SIDE = 1024;
bool build_icon_sized(const PixelGrids& grids, int size, Canvas& out, std::string& error);
