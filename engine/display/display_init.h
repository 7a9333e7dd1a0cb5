// Taking the display (full screen with a mode change, or a window) and giving it back.
#pragma once

#include <cstdint>

std::int32_t display_init(std::int32_t width, std::int32_t height, std::int32_t bpp,
                          std::int32_t windowed);
std::int32_t display_shutdown();
