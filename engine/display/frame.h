// Per-frame display operations: colour fills, locks for direct pixel access, presenting
// the back buffer, and the vertical-blank wait.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

// Fills a rectangle (right, bottom exclusive; null: all) with the colour's low 16 bits.
std::int32_t fill_surface(IDirectDrawSurface7* surface, std::int32_t color, RECT* rect);
// Fills (left, top) to (right, bottom), right and bottom exclusive, with the whole colour.
std::int32_t fill_rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom, std::int32_t color, IDirectDrawSurface7* surface);
// Locks any surface: its pixel (0, 0), the pitch in *pitch; the display's lock state stays.
std::uint8_t* lock_surface(IDirectDrawSurface7* surface, std::int32_t* pitch);
// Ends a lock taken with lock_surface.
std::int32_t unlock_surface(IDirectDrawSurface7* surface);
// Locks the surface on screen and publishes primary_buffer and primary_pitch.
std::uint8_t* lock_primary();
// Unlocks it and nulls primary_buffer; 0 when it was not locked.
std::int32_t unlock_primary();
// Locks the back buffer and publishes back_buffer and back_pitch.
std::uint8_t* lock_back();
// Unlocks it and nulls back_buffer; 0 when it was not locked.
std::int32_t unlock_back();
// Shows the back buffer (a flip in full screen); 0 while either surface is locked.
std::int32_t present_frame();
// Waits for the start of the display's vertical blank.
std::int32_t wait_vertical_blank();
