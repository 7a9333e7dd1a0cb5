// A line of text drawn on a surface through its device context, in an RGB or palette colour,
// and measured in the same font.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

// One line of text, top-left at (x, y), transparent between glyphs; the surface unlocked.
// 0 when the surface lends no device context or no font is found (said once in the error log
// and on standard error).
std::int32_t draw_text_rgb(const char* text, std::int32_t x, std::int32_t y, COLORREF color,
                           IDirectDrawSurface7* surface);
// The same in the colour of a palette entry.
std::int32_t draw_text_index(const char* text, std::int32_t x, std::int32_t y, std::int32_t index,
                             IDirectDrawSurface7* surface);
// The width and height in pixels that the text takes when drawn on the surface: 1, or 0 (both
// sizes 0) when the surface lends no device context or the text cannot be measured.
std::int32_t measure_text(const char* text, std::int32_t* width, std::int32_t* height,
                          IDirectDrawSurface7* surface);
