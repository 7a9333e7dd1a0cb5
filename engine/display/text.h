// A line of text drawn on a surface through its device context, in an RGB or palette colour.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

// One line of text, top-left at (x, y), transparent between glyphs; the surface unlocked.
std::int32_t draw_text_rgb(const char* text, std::int32_t x, std::int32_t y, COLORREF color,
                           IDirectDrawSurface7* surface);
// The same in the colour of a palette entry.
std::int32_t draw_text_index(const char* text, std::int32_t x, std::int32_t y, std::int32_t index,
                             IDirectDrawSurface7* surface);
