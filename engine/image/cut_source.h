// Where a cut starts in a bitmap file's picture, by sheet cell or by pixel position; shared by
// the image and sprite cuts so that none of them reads outside the picture the record holds.
#pragma once

#include "engine/image/bitmap_file.h"

#include <cstddef>
#include <cstdint>

// The first source pixel of a width x height rectangle at cell (cx, cy) when mode is 0, or at
// pixel (cx, cy) otherwise; null when the record holds no pixels of that depth or the
// rectangle does not lie wholly inside its picture.
const std::uint8_t* cut_source(const BitmapFile* bitmap, std::int32_t cx, std::int32_t cy,
                               std::int32_t mode, std::int32_t width, std::int32_t height,
                               std::int32_t bits_per_pixel);

// Copies that rectangle into `dest` (rows `dest_pitch` bytes apart) as `bits_per_pixel` (8 or
// 16) pixels, whatever the picture holds: a 16-bit picture cut at 8 bits takes the nearest
// colours of the display palette (palette_entries), an 8-bit one cut at 16 bits the colours
// of its own table, and pixels whose alpha is below one half become `key`. 0, with the reason
// in the error log, when the picture holds no pixels or the rectangle leaves it.
std::int32_t cut_pixels(const BitmapFile* bitmap, std::int32_t cx, std::int32_t cy,
                        std::int32_t mode, std::int32_t width, std::int32_t height,
                        std::int32_t bits_per_pixel, std::uint32_t key, std::uint8_t* dest,
                        std::ptrdiff_t dest_pitch);
