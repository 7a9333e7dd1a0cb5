// Where a bitmap file's colour table and pixel rows lie, worked out from its headers and
// checked against the file's real length, so that no header field is trusted on its own.
#pragma once

#include "formats/bmp_headers.h"

#include <cstdint>

// Larger pictures are refused: no artwork comes near it, and it bounds every allocation.
constexpr std::int32_t BMP_MAX_SIDE = 16384;

struct BmpLayout {
    std::int32_t width;
    std::int32_t rows;            // always positive
    std::int32_t bytes_per_pixel; // as held once read: 1 (1, 4 and 8 bits), 2, 3 or 4
    std::int32_t bits;            // as stored in the file: 1, 4, 8, 16, 24 or 32
    std::int32_t top_down;        // 1 when the file stores its top row first
    std::int64_t stride;          // bytes per stored row, padded to a multiple of 4
    std::int64_t data_offset;     // first byte of the stored rows
    std::int64_t palette_offset;
    std::int32_t palette_count; // colour-table entries of an 8-bit file, 1 to 256
};

// Why a file's layout was refused.
enum BmpRefusal : std::int32_t {
    BMP_REFUSED_HEADER = 1, // an info header of a size (a version) not read
    BMP_REFUSED_DEPTH,      // bits per pixel other than 1, 4, 8, 16, 24 and 32
    BMP_REFUSED_COMPRESSED, // run-length or other compression
    BMP_REFUSED_SIZE,       // an empty picture, or one wider or higher than BMP_MAX_SIDE
    BMP_REFUSED_TRUNCATED,  // the file is too short for its colour table or rows
};

// The game's reading, which finds the rows from the end of the file: they end where the file
// ends, and the colour table fills the space before them after the info header. 1 and the
// layout filled when the file can be read; 0 for info headers of unknown sizes, depths other
// than 1, 4, 8, 16, 24 and 32, compressed files, empty or oversized pictures, and rows or a table
// that the file is too short to hold, with the reason in *why when it is given.
std::int32_t bmp_plan_layout(const BmpInfoHeader& info, std::int64_t file_length, BmpLayout* layout,
                             BmpRefusal* why = nullptr);

// The standard reading: the rows at the file header's pixel offset, the colour table right
// after an info header of at least 40 bytes, with as many entries as it declares (256 when it
// says 0). The same refusals, and also every declared part that lies outside the file.
std::int32_t bmp_plan_layout_at_offset(const BmpFileHeader& file, const BmpInfoHeader& info,
                                       std::int64_t file_length, BmpLayout* layout);
