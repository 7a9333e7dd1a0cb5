// Off-screen surfaces with a source colour key, and clippers made from rectangle lists.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

IDirectDrawSurface7* create_offscreen_surface(std::int32_t width, std::int32_t height,
                                              std::int32_t memory_flags, std::int32_t color_key);
IDirectDrawClipper* attach_clipper(IDirectDrawSurface7* surface, std::int32_t count,
                                   const RECT* rects);
