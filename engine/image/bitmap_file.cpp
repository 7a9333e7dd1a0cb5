// Reading a bitmap file into a BitmapFile record, and giving its pixels back.
#include "engine/image/bitmap_file.h"
#include "engine/display/display_context.h"
#include "engine/display/error_log.h"
#include "formats/bmp_headers.h"
#include "formats/bmp_layout.h"
#include "formats/bmp_rows.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

static_assert(sizeof(BITMAPFILEHEADER) == BMP_FILE_HEADER_SIZE);
static_assert(sizeof(BITMAPINFOHEADER) == BMP_INFO_HEADER_SIZE);

namespace {

std::int64_t file_length(std::FILE* file_data) {
    if (std::fseek(file_data, 0, SEEK_END) != 0) return -1;
    const long length = std::ftell(file_data);
    if (length < 0 || std::fseek(file_data, 0, SEEK_SET) != 0) return -1;
    return length;
}

std::int32_t read_at(std::FILE* file_data, std::int64_t offset, void* into, std::size_t bytes) {
    if (std::fseek(file_data, static_cast<long>(offset), SEEK_SET) != 0) return 0;
    return std::fread(into, 1, bytes, file_data) == bytes;
}

// The display's entries carry PC_NOCOLLAPSE; entries beyond a short table come out black.
std::int32_t read_palette(std::FILE* file_data, const BmpLayout& layout, Palette palette) {
    std::uint8_t table[256 * 4];
    const auto bytes = static_cast<std::size_t>(layout.palette_count) * 4;
    if (!read_at(file_data, layout.palette_offset, table, bytes)) return 0;
    Palette colours = {};
    bmp_decode_colour_table(table, layout.palette_count, colours);
    for (int i = 0; i < 256; ++i) {
        palette[i] = colours[i];
        palette[i].flags = PC_NOCOLLAPSE;
    }
    return 1;
}

void drop_pixels(BitmapFile* bitmap) {
    std::free(bitmap->pixels);
    bitmap->pixels = nullptr;
}

// Rows already packed at 8 or 16 bits go straight into the record and are turned in place.
std::int32_t read_packed_pixels(std::FILE* file_data, const BmpLayout& layout, BitmapFile* bitmap) {
    const auto row_bytes = static_cast<std::int32_t>(layout.stride);
    const auto bytes = static_cast<std::size_t>(layout.stride) * layout.rows;
    drop_pixels(bitmap);
    bitmap->pixels = static_cast<std::uint8_t*>(std::malloc(bytes));
    if (bitmap->pixels == nullptr) return 0;
    if (!read_at(file_data, layout.data_offset, bitmap->pixels, bytes)) {
        drop_pixels(bitmap);
        return 0;
    }
    // Should the flip find no memory, the picture stays as read, bottom row first.
    if (!layout.top_down) flip_rows(bitmap->pixels, row_bytes, layout.rows);
    return 1;
}

// Padded rows and 24-bit rows pass through a scratch copy of the stored data. A 24-bit file
// gets its scratch first, so that running short leaves the old pixels under a header whose
// depth no cut accepts; 8-bit and 16-bit files lose their old pixels first, as unpadded ones do.
std::int32_t read_stored_pixels(std::FILE* file_data, const BmpLayout& layout, BitmapFile* bitmap) {
    const bool convert = layout.bytes_per_pixel == 3;
    const auto stored_bytes = static_cast<std::size_t>(layout.stride) * layout.rows;
    const auto pixel_bytes = static_cast<std::size_t>(layout.width) * layout.rows *
                             static_cast<std::size_t>(convert ? 2 : layout.bytes_per_pixel);
    if (!convert) drop_pixels(bitmap);
    auto* scratch = static_cast<std::uint8_t*>(std::malloc(stored_bytes));
    if (scratch == nullptr) return 0;
    drop_pixels(bitmap);
    bitmap->pixels = static_cast<std::uint8_t*>(std::malloc(pixel_bytes));
    const std::int32_t result =
        bitmap->pixels != nullptr && read_at(file_data, layout.data_offset, scratch, stored_bytes);
    if (!result) {
        drop_pixels(bitmap);
    } else if (convert) {
        bmp_convert_rows24(scratch, layout, pixel_format,
                           reinterpret_cast<std::uint16_t*>(bitmap->pixels));
        bitmap->info_header.biBitCount = 16;
    } else {
        bmp_unpack_rows(scratch, layout, bitmap->pixels);
    }
    std::free(scratch);
    return result;
}

// The reason a file is refused, in the error log; the name comes last, as a long path may be
// cut at the log's message length.
std::int32_t say_refused(const BmpInfoHeader& info, BmpRefusal why, const char* name) {
    switch (why) {
    case BMP_REFUSED_HEADER:
        write_error_log("\nBitmap refused, an info header of %u bytes is not read: %s",
                        static_cast<unsigned>(info.header_size), name);
        break;
    case BMP_REFUSED_DEPTH:
        write_error_log("\nBitmap refused, %u bits per pixel (8, 16, 24 are read): %s",
                        static_cast<unsigned>(info.bit_count), name);
        break;
    case BMP_REFUSED_COMPRESSED:
        write_error_log("\nBitmap refused, compressed (only uncompressed is read): %s", name);
        break;
    case BMP_REFUSED_SIZE:
        write_error_log("\nBitmap refused, a picture of %d x %d pixels: %s", info.width,
                        info.height, name);
        break;
    case BMP_REFUSED_TRUNCATED:
        write_error_log("\nBitmap refused, the file is shorter than its pixels: %s", name);
        break;
    }
    return 0;
}

// The file's two headers, kept in the record exactly as the file holds them, and the info
// header decoded into `info`.
std::int32_t read_headers(std::FILE* file_data, BitmapFile* bitmap, const char* name,
                          BmpInfoHeader* info) {
    std::uint8_t file_bytes[BMP_FILE_HEADER_SIZE];
    if (std::fread(file_bytes, sizeof file_bytes, 1, file_data) != 1)
        return say_refused({}, BMP_REFUSED_TRUNCATED, name);
    std::memcpy(&bitmap->file_header, file_bytes, sizeof file_bytes);
    if (bmp_decode_file_header(file_bytes).type != BMP_MAGIC) {
        write_error_log("\nBitmap refused, it does not start with \"BM\": %s", name);
        return 0;
    }
    std::uint8_t info_bytes[BMP_INFO_HEADER_SIZE];
    if (std::fread(info_bytes, sizeof info_bytes, 1, file_data) != 1)
        return say_refused({}, BMP_REFUSED_TRUNCATED, name);
    std::memcpy(&bitmap->info_header, info_bytes, sizeof info_bytes);
    *info = bmp_decode_info_header(info_bytes);
    return 1;
}

// A refused depth leaves the pixels alone, as cuts refuse that depth anyway; any other
// refusal, and a depth of 0 (which cuts take as 8 bits), leaves headers that no longer
// describe the old pixels, so those go.
std::int32_t refuse_layout(const BmpInfoHeader& info, BmpRefusal why, const char* name,
                           BitmapFile* bitmap) {
    say_refused(info, why, name);
    const std::uint16_t bits = info.bit_count;
    if (bits == 0 || bits == 8 || bits == 16 || bits == 24) drop_pixels(bitmap);
    return 0;
}

std::int32_t read_contents(std::FILE* file_data, BitmapFile* bitmap, const char* name) {
    const std::int64_t length = file_length(file_data);
    if (length < 0) return say_refused({}, BMP_REFUSED_TRUNCATED, name);
    BmpInfoHeader info_header = {};
    if (!read_headers(file_data, bitmap, name, &info_header)) return 0;

    BmpLayout layout;
    BmpRefusal why = BMP_REFUSED_TRUNCATED;
    if (!bmp_plan_layout(info_header, length, &layout, &why))
        return refuse_layout(info_header, why, name, bitmap);
    if (layout.bytes_per_pixel == 1 && !read_palette(file_data, layout, bitmap->palette)) {
        drop_pixels(bitmap);
        return say_refused(info_header, BMP_REFUSED_TRUNCATED, name);
    }
    const bool packed =
        layout.bytes_per_pixel != 3 && layout.stride == layout.width * layout.bytes_per_pixel;
    const std::int32_t result = packed ? read_packed_pixels(file_data, layout, bitmap)
                                       : read_stored_pixels(file_data, layout, bitmap);
    if (!result) write_error_log("\nBitmap not read, no memory or a read error: %s", name);
    // The record describes the picture it now holds, which is upright whatever the file said.
    if (result && info_header.height < 0) bitmap->info_header.biHeight = layout.rows;
    return result;
}

} // namespace

std::int32_t read_bitmap_file(BitmapFile* bitmap, const char* name) {
    if (bitmap == nullptr || name == nullptr) return 0;
    std::FILE* file_data = std::fopen(name, "rb");
    if (file_data == nullptr) {
        write_error_log("\nBitmap not read, the file cannot be opened: %s", name);
        return 0;
    }
    const std::int32_t result = read_contents(file_data, bitmap, name);
    std::fclose(file_data);
    return result;
}

std::int32_t release_bitmap_file(BitmapFile* bitmap) {
    if (bitmap == nullptr) return 0;
    drop_pixels(bitmap);
    return 1;
}

std::int32_t flip_rows(std::uint8_t* buffer, std::int32_t bytes_per_row, std::int32_t rows) {
    if (buffer == nullptr || bytes_per_row < 0 || rows < 0) return 0;
    if (bytes_per_row == 0 || rows < 2) return 1;
    // Swapping pairs of rows needs only one row of scratch, not a copy of the whole picture.
    auto* scratch =
        static_cast<std::uint8_t*>(std::malloc(static_cast<std::size_t>(bytes_per_row)));
    if (scratch == nullptr) return 0;
    const auto row_bytes = static_cast<std::size_t>(bytes_per_row);
    std::uint8_t* top = buffer;
    std::uint8_t* bottom = buffer + static_cast<std::size_t>(rows - 1) * row_bytes;
    while (top < bottom) {
        std::memcpy(scratch, top, row_bytes);
        std::memcpy(top, bottom, row_bytes);
        std::memcpy(bottom, scratch, row_bytes);
        top += row_bytes;
        bottom -= row_bytes;
    }
    std::free(scratch);
    return 1;
}
