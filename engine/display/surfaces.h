// Off-screen surfaces with a source colour key, and clippers made from rectangle lists.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

// A new off-screen surface in the display's format with a source colour key; null on failure.
IDirectDrawSurface7* create_offscreen_surface(std::int32_t width, std::int32_t height,
                                              std::int32_t memory_flags, std::int32_t color_key);
// Cuts later blits onto the surface to the rectangles; the new clipper, or null.
IDirectDrawClipper* attach_clipper(IDirectDrawSurface7* surface, std::int32_t count,
                                   const RECT* rects);
