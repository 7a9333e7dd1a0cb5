// The record a picture file is read into: its headers, colour table, pixels and colours. Its
// own header, so that the readers of each format can fill it without including each other.
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
    // Pictures with colours of their own (24- and 32-bit files, PNGs that are not palettised)
    // and palettised PNGs with transparency also keep every pixel as red, green, blue and
    // alpha bytes, top row first: 8-bit cuts map these to the display palette, and a pixel
    // whose alpha is below 128 becomes the cut's key. Owned by the record; null if none.
    std::uint8_t* colours;
};
