// Pixel art kept as text: a file of named character grids sharing one legend.
//
//   # a comment
//   colour . 253          a character standing for a palette index
//   colour s skin 5       ... or for a step of a named colour ramp
//   grid stand 24 32      a picture's name, width and height, then that many rows
#pragma once

#include "art/tool/canvas.h"

#include <string>
#include <string_view>
#include <vector>

struct NamedGrid {
    std::string name;
    Canvas canvas;
};

struct PixelGrids {
    std::vector<NamedGrid> grids;
};

// Parses grid text; on a fault returns false with `error` naming the line and the cause.
bool parse_pixel_grids(std::string_view text, PixelGrids& out, std::string& error);
bool load_pixel_grids(const std::string& path, PixelGrids& out, std::string& error);

const Canvas* find_grid(const PixelGrids& grids, std::string_view name);
