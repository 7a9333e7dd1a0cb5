// The level: one 640 x 480 screen of scenery with the ground, steps, slopes and floating
// platforms painted in the ground colour, which the game's physics stands on.
#pragma once

#include "art/tool/canvas.h"

// The block the game draws at run time; its area stays free of ground.
constexpr int BLOCK_X = 549;
constexpr int BLOCK_Y = 290;
constexpr int BLOCK_SIZE = 32;

// Paints the terrain alone into `canvas` (ground colour on anything else); used by the
// level and by checks of its layout.
void paint_level_terrain(Canvas& canvas);

Canvas draw_level();
