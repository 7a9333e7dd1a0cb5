// One picture file (BMP or PNG) in memory: its two headers, its colour table as palette
// entries, and its pixels upright (top row first) in rows of exactly width x bytes per pixel.
#pragma once

#include "engine/image/bitmap_record.h"

#include <cstdint>

// Reads a BMP file (1, 4, 8, 16, 24 or 32 bits; 1 and 4 bits become 8, 24 and 32 become 16)
// or a PNG file (palettised ones become 8 bits with their colour table, every other kind 16
// bits with its colours kept); 1, or 0 with the reason in the error log.
std::int32_t read_bitmap_file(BitmapFile* bitmap, const char* name);
// Installs `count` entries of the picture's colour table, from entry `first` on, as the same
// entries of the display palette (0 and 256 install the whole table); 0 when the picture has
// no colour table of its own or the range leaves 0 to 255.
std::int32_t set_palette_from_bitmap(const BitmapFile* bitmap, std::int32_t first,
                                     std::int32_t count);
// Frees the pixels (and kept colours) only: the headers and the palette stay readable.
std::int32_t release_bitmap_file(BitmapFile* bitmap);
// Reverses the order of the rows in place; 0 (buffer unchanged) without memory.
std::int32_t flip_rows(std::uint8_t* buffer, std::int32_t bytes_per_row, std::int32_t rows);
