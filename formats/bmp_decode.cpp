// Decoding an 8-bit bitmap file held in memory.
#include "formats/bmp_decode.h"
#include "formats/bmp_headers.h"
#include "formats/bmp_layout.h"
#include "formats/bmp_rows.h"

#include <utility>

bool bmp_decode_indexed(const std::uint8_t* data, std::size_t size, BmpIndexedImage* image) {
    if (data == nullptr || image == nullptr || size < BMP_HEADERS_SIZE) return false;
    const BmpFileHeader file = bmp_decode_file_header(data);
    const BmpInfoHeader info = bmp_decode_info_header(data + BMP_FILE_HEADER_SIZE);
    if (file.type != BMP_MAGIC || info.bit_count != 8 || info.compression != BMP_RGB) return false;
    BmpLayout layout;
    if (!bmp_plan_layout_at_offset(file, info, static_cast<std::int64_t>(size), &layout))
        return false;
    BmpIndexedImage decoded = {};
    decoded.width = layout.width;
    decoded.height = layout.rows;
    decoded.colour_count = layout.palette_count;
    bmp_decode_colour_table(data + layout.palette_offset, layout.palette_count, decoded.colours);
    decoded.indices.resize(static_cast<std::size_t>(layout.width) * layout.rows);
    bmp_unpack_rows(data + layout.data_offset, layout, decoded.indices.data());
    *image = std::move(decoded);
    return true;
}
