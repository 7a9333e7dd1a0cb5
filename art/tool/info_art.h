// The two information screens: how to play, with every control, and about the game.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/pixel_grid.h"
#include "art/tool/text_render.h"

Canvas draw_help_screen(Fonts& fonts, const PixelGrids& grids);
Canvas draw_about_screen(Fonts& fonts, const PixelGrids& grids);
