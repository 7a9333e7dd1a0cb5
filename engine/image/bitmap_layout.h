// Where a bitmap file's colour table and pixel rows lie, worked out from its info header and
// checked against the file's real length, so that no header field is trusted on its own.
#pragma once

#include "platform/win32.h"

#include <cstdint>

// Larger pictures are refused: no artwork comes near it, and it bounds every allocation.
constexpr std::int32_t BITMAP_MAX_SIDE = 16384;
constexpr std::int64_t BITMAP_HEADERS_SIZE = 14 + 40;

struct BitmapLayout {
    std::int32_t width;
    std::int32_t rows;            // always positive
    std::int32_t bytes_per_pixel; // as stored in the file: 1, 2 or 3
    std::int32_t top_down;        // 1 when the file stores its top row first
    std::int64_t stride;          // bytes per stored row, padded to a multiple of 4
    std::int64_t data_offset;     // first byte of the stored rows
    std::int64_t palette_offset;
    std::int32_t palette_count; // colour-table entries of an 8-bit file, 1 to 256
};

// 1 and the layout filled when the file can be read; 0 for depths other than 8, 16 and 24,
// compressed files, empty or oversized pictures, and rows that the file is too short to hold.
std::int32_t plan_bitmap_layout(const BITMAPINFOHEADER& info, std::int64_t file_length,
                                BitmapLayout* layout);
