// One bitmap file in memory: its two headers, its colour table as palette entries, and its
// pixels upright (top row first) in rows of exactly width x bytes per pixel.
#pragma once

#include "engine/display/palette_entry.h"
#include "platform/win32.h"

#include <cstdint>

struct BitmapFile {
    BITMAPFILEHEADER file_header;
    BITMAPINFOHEADER info_header;
    Palette palette;
    std::uint8_t* pixels;
};

std::int32_t read_bitmap_file(BitmapFile* bitmap, const char* name);
std::int32_t release_bitmap_file(BitmapFile* bitmap);
std::int32_t flip_rows(std::uint8_t* buffer, std::int32_t bytes_per_row, std::int32_t rows);
