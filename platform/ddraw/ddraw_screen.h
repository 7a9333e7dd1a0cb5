// The primary surface as the screen: its picture and palette as the video layer shows them.
#pragma once

#include "platform/host/host.h"
#include "platform/win32.h"

// The palette the screen shows (the primary's, black when it has none), or null when the
// primary is not palettised or there is none.
const PALETTEENTRY* ddraw_screen_palette();
// Describes the primary for presenting, with the part changed since it was last described
// (which then counts as shown); 0 when no primary surface exists.
int ddraw_screen_picture(VideoPicture* picture);
