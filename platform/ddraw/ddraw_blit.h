// The pixel work of Blt: colour fills, plain and colour-keyed copies, nearest-neighbour
// stretching, on one rectangle that Blt has already checked and clipped.
#pragma once

#include "platform/win32.h"

#include <cstdint>

struct DdBlitJob {
    std::uint8_t* dest;
    LONG dest_pitch;
    const std::uint8_t* source;
    LONG source_pitch;
    int bytes_per_pixel;
    RECT dest_rect;   // the whole destination rectangle, before clipping
    RECT source_rect; // the whole source rectangle
    int keyed;
    DWORD key_low;
    DWORD key_high;
};

void ddraw_fill_rect(std::uint8_t* pixels, LONG pitch, int bytes_per_pixel, const RECT& rect,
                     DWORD color);
// Copies the part `clip` (inside job.dest_rect) of the blit, stretching when the two
// rectangles differ in size.
void ddraw_copy_rect(const DdBlitJob& job, const RECT& clip);
// The rows of `rect` in which two pictures of the same depth differ, as a rectangle with
// rect's columns; one without area when they are the same there. `a` and `b` point at the
// pixel at rect's top-left corner in each.
RECT ddraw_rows_differing(const std::uint8_t* a, LONG a_pitch, const std::uint8_t* b, LONG b_pitch,
                          int bytes_per_pixel, const RECT& rect);
