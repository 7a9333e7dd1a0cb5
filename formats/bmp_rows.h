// Turning a bitmap file's stored rows (padded, usually bottom row first) into packed upright
// pixels, with the 24-bit to 16-bit colour conversion, and its colour table into entries.
#pragma once

#include "formats/bmp_layout.h"
#include "formats/palette_entry.h"

#include <cstdint>

// Copies the stored rows of a 1-, 4-, 8- or 16-bit file into `pixels`, packed and top row
// first; 1-bit and 4-bit pixels become one byte each.
void bmp_unpack_rows(const std::uint8_t* stored, const BmpLayout& layout, std::uint8_t* pixels);

// Converts the stored rows of a 24-bit file into 16-bit words, packed and top row first: 5.5.5
// when `rgb_bits` is 15, 5.6.5 otherwise; red in the high bits.
void bmp_convert_rows24(const std::uint8_t* stored, const BmpLayout& layout, std::int32_t rgb_bits,
                        std::uint16_t* pixels);

// The colour table's `count` entries, stored blue, green, red, reserved, as red, green, blue
// with flags 0, into entries 0 to count - 1.
void bmp_decode_colour_table(const std::uint8_t* table, std::int32_t count, PaletteEntry* entries);
