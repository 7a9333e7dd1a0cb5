// Taking the display (full screen with a mode change, or a window) and giving it back.
#pragma once

#include <cstdint>

// Takes the display (windowed 0: full screen) and loads "PALDATA2.PAL" at 8 bpp; 1 or 0.
std::int32_t display_init(std::int32_t width, std::int32_t height, std::int32_t bpp,
                          std::int32_t windowed);
// Releases every DirectDraw object of the display; call it last.
std::int32_t display_shutdown();
