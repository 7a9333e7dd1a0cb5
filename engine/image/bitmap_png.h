// PNG files read into a bitmap record, which then describes its picture as the BMP file of
// the same pixels would: 8 bits with a colour table, or 16-bit words with the colours kept.
#pragma once

#include "engine/image/bitmap_record.h"

#include <cstdint>
#include <cstdio>

// Reads the open file of `length` bytes; 1, or 0 with the reason in the error log and the
// record unchanged.
std::int32_t read_png_bitmap(BitmapFile* bitmap, std::FILE* file_data, std::int64_t length,
                             const char* name);
