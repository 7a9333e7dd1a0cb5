// The two sprite sheets: the character's frames in 24 x 32 cells and the block's in
// 32 x 32 cells, laid on a grid with one-pixel lines between and around the cells.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/pixel_grid.h"

#include <string>

constexpr int PLAYER_CELL_W = 24;
constexpr int PLAYER_CELL_H = 32;
constexpr int BLOCK_CELL = 32;

// Top-left pixel of cell (column, row) for cells of w x h.
int cell_left(int column, int w);
int cell_top(int row, int h);

// Both return false with `error` set when a frame the sheet needs is missing or the
// wrong size in the grids.
bool build_player_sheet(const PixelGrids& grids, Canvas& sheet, std::string& error);
bool build_block_sheet(const PixelGrids& grids, Canvas& sheet, std::string& error);

// The block's four frames: 0 at rest, 1 to 3 rising steps of a glow.
bool build_block_frame(const PixelGrids& grids, int frame, Canvas& out, std::string& error);
