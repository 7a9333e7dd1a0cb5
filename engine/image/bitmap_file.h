// One bitmap file in memory: its two headers, its colour table as palette entries, and its
// pixels upright (top row first) in rows of exactly width x bytes per pixel.
#pragma once

#include "engine/display/palette_entry.h"
#include "platform/win32.h"

#include <cstdint>

// One file in memory; zero-fill the record before its first read.
struct BitmapFile {
    // The file's first 14 bytes, as read.
    BITMAPFILEHEADER file_header;
    // The next 40 bytes; biWidth, biHeight and biBitCount describe the pixels.
    BITMAPINFOHEADER info_header;
    // The colour table as palette entries; written by 8-bit files only.
    Palette palette;
    // The picture, top row first, rows packed; owned by the record, null if none.
    std::uint8_t* pixels;
};

// Reads an 8-, 16- or 24-bit BMP file (24 bits become 16); 1, or 0 when it is refused.
std::int32_t read_bitmap_file(BitmapFile* bitmap, const char* name);
// Frees the pixels only: the headers and the palette stay readable.
std::int32_t release_bitmap_file(BitmapFile* bitmap);
// Reverses the order of the rows in place; 0 (buffer unchanged) without memory.
std::int32_t flip_rows(std::uint8_t* buffer, std::int32_t bytes_per_row, std::int32_t rows);
