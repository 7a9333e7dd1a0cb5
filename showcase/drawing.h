// Small drawing helpers the scenes share: the clip rectangle set and put back, rectangle
// outlines and solid blocks in locked memory, and labels on a surface.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

// An inclusive rectangle, as the engine's clip rectangle is.
struct ClipRect {
    std::int32_t min_x;
    std::int32_t min_y;
    std::int32_t max_x;
    std::int32_t max_y;
};

// Makes `rect` the clip rectangle and returns the one it replaced, for restore_clip.
ClipRect set_clip(const ClipRect& rect);
void restore_clip(const ClipRect& saved);

// The outline of an inclusive rectangle with clipped horizontal and vertical lines.
void draw_box8(const ClipRect& box, std::int32_t color, std::uint8_t* buffer, std::int32_t pitch);
// A solid inclusive rectangle, one clipped horizontal line per row.
void fill_box8(const ClipRect& box, std::int32_t color, std::uint8_t* buffer, std::int32_t pitch);

// Text in a palette colour on the surface, its top-left corner at (x, y).
void label(IDirectDrawSurface7* surface, std::int32_t x, std::int32_t y, std::int32_t color,
           const char* text);
// A label whose middle is at centre_x, measured in the font it is drawn with.
void label_centred(IDirectDrawSurface7* surface, std::int32_t centre_x, std::int32_t y,
                   std::int32_t color, const char* text);
