// Sizing a bitmap file's pixel data before anything is allocated.
#include "formats/bmp_layout.h"

#include <algorithm>

namespace {

std::int32_t compression_supported(const BmpInfoHeader& info) {
    if (info.compression == BMP_RGB) return 1;
    // 16-bit files written with explicit masks still hold one plain word per pixel, and
    // 32-bit ones (as ImageMagick writes them) blue, green, red and alpha bytes.
    return info.compression == BMP_BITFIELDS && (info.bit_count == 16 || info.bit_count == 32);
}

// The info headers whose first 40 bytes are laid out as read here: Windows' own (40 bytes),
// the two with colour masks after it (52, 56) and versions 4 and 5 (108, 124). OS/2's
// headers of other sizes put other fields at the same places.
bool header_size_known(std::uint32_t size) {
    return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

std::int32_t refuse(BmpRefusal* why, BmpRefusal reason) {
    if (why != nullptr) *why = reason;
    return 0;
}

// The rows themselves: header, depth, size, order and padding; both readings share them.
std::int32_t plan_rows(const BmpInfoHeader& info, BmpLayout* plan, BmpRefusal* why) {
    if (!header_size_known(info.header_size)) return refuse(why, BMP_REFUSED_HEADER);
    const std::int32_t bits = info.bit_count;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return refuse(why, BMP_REFUSED_DEPTH);
    if (!compression_supported(info)) return refuse(why, BMP_REFUSED_COMPRESSED);
    const std::int64_t width = info.width;
    const std::int64_t height = info.height;
    const std::int64_t rows = height < 0 ? -height : height;
    if (width <= 0 || width > BMP_MAX_SIDE || rows == 0 || rows > BMP_MAX_SIDE)
        return refuse(why, BMP_REFUSED_SIZE);
    *plan = {};
    plan->width = static_cast<std::int32_t>(width);
    plan->rows = static_cast<std::int32_t>(rows);
    plan->bytes_per_pixel = bits < 8 ? 1 : bits / 8;
    plan->bits = bits;
    plan->top_down = height < 0;
    plan->stride = bmp_row_stride(width, bits);
    return 1;
}

} // namespace

std::int32_t bmp_plan_layout(const BmpInfoHeader& info, std::int64_t file_length, BmpLayout* layout,
                             BmpRefusal* why) {
    BmpLayout plan;
    if (layout == nullptr || !plan_rows(info, &plan, why)) return 0;
    constexpr auto headers = static_cast<std::int64_t>(BMP_HEADERS_SIZE);
    // image_size may be 0 or too small for uncompressed files, so the rows' own size is the
    // least the file must hold.
    const std::int64_t needed = plan.stride * plan.rows;
    const std::int64_t data_size = std::max<std::int64_t>(info.image_size, needed);
    if (file_length < headers || data_size > file_length - headers)
        return refuse(why, BMP_REFUSED_TRUNCATED);
    plan.data_offset = file_length - data_size;
    plan.palette_offset = headers;
    if (plan.bytes_per_pixel == 1) {
        // Later header versions are longer; their colour table follows the whole header.
        const std::int64_t header_end =
            static_cast<std::int64_t>(BMP_FILE_HEADER_SIZE) + info.header_size;
        if (info.header_size > BMP_INFO_HEADER_SIZE && header_end <= plan.data_offset)
            plan.palette_offset = header_end;
        // The table fills the space before the rows, up to 256 entries; a file too short to
        // hold as many as it declares (256 unless it says fewer) is truncated.
        const std::uint32_t used = info.colours_used;
        const std::int64_t most = std::int64_t{1} << std::min<std::int32_t>(plan.bits, 8);
        const std::int64_t declared = used >= 1 && used < most ? used : most;
        const std::int64_t room = (plan.data_offset - plan.palette_offset) / 4;
        if (room < declared) return refuse(why, BMP_REFUSED_TRUNCATED);
        plan.palette_count = static_cast<std::int32_t>(std::min<std::int64_t>(256, room));
    }
    *layout = plan;
    return 1;
}

std::int32_t bmp_plan_layout_at_offset(const BmpFileHeader& file, const BmpInfoHeader& info,
                                       std::int64_t file_length, BmpLayout* layout) {
    BmpLayout plan;
    if (layout == nullptr || !plan_rows(info, &plan, nullptr)) return 0;
    if (info.header_size < BMP_INFO_HEADER_SIZE || info.header_size > file_length) return 0;
    plan.palette_offset = static_cast<std::int64_t>(BMP_FILE_HEADER_SIZE) + info.header_size;
    if (plan.bytes_per_pixel == 1) {
        const std::uint32_t colours =
            info.colours_used == 0 ? 1u << std::min<std::int32_t>(plan.bits, 8) : info.colours_used;
        if (colours > 256 || plan.palette_offset + colours * 4 > file_length) return 0;
        plan.palette_count = static_cast<std::int32_t>(colours);
    }
    plan.data_offset = file.pixel_offset;
    if (plan.data_offset > file_length || plan.stride * plan.rows > file_length - plan.data_offset)
        return 0;
    *layout = plan;
    return 1;
}
