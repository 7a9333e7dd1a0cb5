// What a bitmap file record promises about the picture it holds, stated independently of
// the reader and the cuts: which rectangles lie inside it, and where its pixels are.
#pragma once

#include "engine/image/bitmap_file.h"

#include <cstdint>

// Reads every byte of the picture the headers describe, so that the sanitizer stops a run
// whose record holds fewer pixels than its headers claim.
void touch_held_picture(const BitmapFile& bitmap);

// Where a cut starts: cell c of cells `size` wide (mode 0), or pixel c itself.
std::int64_t cut_origin(std::int32_t c, std::int32_t size, std::int32_t mode);

// Whether the record holds pixels of this depth and the rectangle lies wholly inside them.
bool inside_picture(const BitmapFile& bitmap, std::int64_t x, std::int64_t y, std::int32_t width,
                    std::int32_t height, std::int32_t bits_per_pixel);

// The address of pixel (x, y) of a rectangle known to lie inside the picture.
const std::uint8_t* picture_pixel(const BitmapFile& bitmap, std::int64_t x, std::int64_t y,
                                  std::int32_t bits_per_pixel);
