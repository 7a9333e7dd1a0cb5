// The Windows host's bitmap: a 32-bit DIB section that holds the scaled picture, with
// the memory context GDI copies it to the window from.
#pragma once

#include "platform/host/windows/windows_system.h"

#include <cstdint>

struct PresenterBitmap {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ dc_default = nullptr; // what the context held before the bitmap
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
};

// A bitmap of this size, top row first, made anew only when the size changes; 0 when the
// system has none to give (the bitmap is then empty).
int bitmap_ensure(PresenterBitmap* bitmap, int width, int height);
void bitmap_free(PresenterBitmap* bitmap);
// Copies rows top..top+height-1 of the bitmap to the window at x, y + top.
void bitmap_show_rows(const PresenterBitmap& bitmap, HDC target, int x, int y, int top, int height);
