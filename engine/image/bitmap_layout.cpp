// Sizing a bitmap file's pixel data before anything is allocated.
#include "engine/image/bitmap_layout.h"

#include <algorithm>

namespace {

std::int32_t compression_supported(const BITMAPINFOHEADER& info) {
    if (info.biCompression == BI_RGB) return 1;
    // 16-bit files written with explicit masks still hold one plain word per pixel.
    return info.biCompression == BI_BITFIELDS && info.biBitCount == 16;
}

} // namespace

std::int32_t plan_bitmap_layout(const BITMAPINFOHEADER& info, std::int64_t file_length,
                                BitmapLayout* layout) {
    if (layout == nullptr) return 0;
    const std::int32_t bits = info.biBitCount;
    if (bits != 8 && bits != 16 && bits != 24) return 0;
    if (!compression_supported(info)) return 0;

    const std::int64_t width = info.biWidth;
    const std::int64_t height = info.biHeight;
    const std::int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || width > BITMAP_MAX_SIDE || rows == 0 || rows > BITMAP_MAX_SIDE) return 0;

    // Every writer pads stored rows to whole 32-bit words; biSizeImage may be 0 or too small
    // for uncompressed files, so the rows' own size is the least the file must hold.
    const std::int64_t stride = (width * bits + 31) / 32 * 4;
    const std::int64_t needed = stride * rows;
    const std::int64_t data_size = std::max<std::int64_t>(info.biSizeImage, needed);
    if (file_length < BITMAP_HEADERS_SIZE || data_size > file_length - BITMAP_HEADERS_SIZE)
        return 0;

    BitmapLayout plan{};
    plan.width = static_cast<std::int32_t>(width);
    plan.rows = static_cast<std::int32_t>(rows);
    plan.bytes_per_pixel = bits / 8;
    plan.top_down = height < 0;
    plan.stride = stride;
    // The rows end where the file ends.
    plan.data_offset = file_length - data_size;
    plan.palette_offset = BITMAP_HEADERS_SIZE;
    if (bits == 8) {
        // Later header versions are longer; their colour table follows the whole header.
        const std::int64_t header_end = 14 + static_cast<std::int64_t>(info.biSize);
        if (info.biSize > 40 && header_end <= plan.data_offset) plan.palette_offset = header_end;
        // The table fills the space before the rows, up to 256 entries; a file too short to
        // hold as many as it declares (256 unless it says fewer) is truncated.
        const DWORD used = info.biClrUsed;
        const std::int64_t declared = used >= 1 && used < 256 ? used : 256;
        const std::int64_t room = (plan.data_offset - plan.palette_offset) / 4;
        if (room < declared) return 0;
        plan.palette_count = static_cast<std::int32_t>(std::min<std::int64_t>(256, room));
    }
    *layout = plan;
    return 1;
}
