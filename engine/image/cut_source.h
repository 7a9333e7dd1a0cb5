// Where a cut starts in a bitmap file's picture, by sheet cell or by pixel position; shared by
// the image and sprite cuts so that none of them reads outside the picture the record holds.
#pragma once

#include "engine/image/bitmap_file.h"

#include <cstdint>

// The first source pixel of a width x height rectangle at cell (cx, cy) when mode is 0, or at
// pixel (cx, cy) otherwise; null when the record holds no pixels of that depth or the
// rectangle does not lie wholly inside its picture.
const std::uint8_t* cut_source(const BitmapFile* bitmap, std::int32_t cx, std::int32_t cy,
                               std::int32_t mode, std::int32_t width, std::int32_t height,
                               std::int32_t bits_per_pixel);
