// Per-frame display operations: colour fills, locks for direct pixel access, presenting
// the back buffer, and the vertical-blank wait.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

std::int32_t fill_surface(IDirectDrawSurface7* surface, std::int32_t color, RECT* rect);
std::int32_t fill_rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom, std::int32_t color, IDirectDrawSurface7* surface);
std::uint8_t* lock_surface(IDirectDrawSurface7* surface, std::int32_t* pitch);
std::int32_t unlock_surface(IDirectDrawSurface7* surface);
std::uint8_t* lock_primary();
std::int32_t unlock_primary();
std::uint8_t* lock_back();
std::int32_t unlock_back();
std::int32_t present_frame();
std::int32_t wait_vertical_blank();
