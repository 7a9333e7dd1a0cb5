// The title menu: one full picture per highlighted entry, identical but for the
// highlight, with each entry's name inside the rectangle the game answers clicks in.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/menu_layout.h"
#include "art/tool/pixel_grid.h"
#include "art/tool/text_render.h"

#include <string>

// Draws the menu with entry `selected` (0 to 3) highlighted. Fails, naming the entry,
// when an entry's letters would not fit inside its rectangle.
bool draw_menu(Canvas& canvas, Fonts& fonts, const PixelGrids& grids, int selected,
               std::string& error);
