// The backdrop behind the menu and the information screens: an evening sky over the
// bramble hills, with a strip of meadow (not the level's ground colour) along the bottom.
#pragma once

#include "art/tool/canvas.h"

constexpr int MEADOW_TOP = 432;

Canvas draw_screen_backdrop();
