// Reading a bitmap file into a BitmapFile record, and giving its pixels back.
#include "engine/image/bitmap_file.h"
#include "engine/display/display_context.h"
#include "engine/display/error_log.h"
#include "formats/bmp_headers.h"
#include "formats/bmp_layout.h"
#include "formats/bmp_rows.h"
#include "formats/png_decode.h"
#include "engine/image/bitmap_png.h"
#include "engine/image/picture_colours.h"

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
    std::free(bitmap->colours);
    bitmap->colours = nullptr;
}

// Stored 24-bit (blue, green, red) or 32-bit (blue, green, red, alpha) rows as red, green,
// blue, alpha, top row first. A 32-bit file whose fourth bytes are all 0 says nothing of
// transparency (most writers leave them so), and is opaque.
void colours_from_rows(const std::uint8_t* stored, const BmpLayout& layout, std::uint8_t* rgba) {
    const std::int32_t bytes = layout.bytes_per_pixel;
    bool has_alpha = false;
    for (std::int64_t row = 0; bytes == 4 && row < layout.rows && !has_alpha; ++row)
        for (std::int32_t x = 0; x < layout.width && !has_alpha; ++x)
            has_alpha = stored[row * layout.stride + x * 4 + 3] != 0;
    for (std::int64_t row = 0; row < layout.rows; ++row) {
        const std::uint8_t* from = stored + row * layout.stride;
        const std::int64_t upright = layout.top_down ? row : layout.rows - 1 - row;
        std::uint8_t* to = rgba + upright * layout.width * 4;
        for (std::int32_t x = 0; x < layout.width; ++x, from += bytes, to += 4) {
            to[0] = from[2];
            to[1] = from[1];
            to[2] = from[0];
            to[3] = has_alpha ? from[3] : 255;
        }
    }
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

// A true-colour picture is held as the display's 16-bit words and keeps its colours beside.
std::int32_t keep_true_colour(const std::uint8_t* stored, const BmpLayout& layout,
                              BitmapFile* bitmap) {
    const auto count = static_cast<std::size_t>(layout.width) * layout.rows;
    bitmap->colours = static_cast<std::uint8_t*>(std::malloc(count * 4));
    if (bitmap->colours == nullptr) {
        drop_pixels(bitmap);
        return 0;
    }
    colours_from_rows(stored, layout, bitmap->colours);
    auto* words = reinterpret_cast<std::uint16_t*>(bitmap->pixels);
    for (std::size_t i = 0; i < count; ++i)
        words[i] = picture_word(bitmap->colours + i * 4, pixel_format);
    bitmap->info_header.biBitCount = 16;
    return 1;
}

// Padded, 1-bit, 4-bit and true-colour rows pass through a scratch copy of the stored data. A
// true-colour file gets its scratch first, so that running short leaves the old pixels under a
// header whose depth no cut accepts; the others lose their old pixels first, as unpadded ones do.
std::int32_t read_stored_pixels(std::FILE* file_data, const BmpLayout& layout, BitmapFile* bitmap) {
    const bool convert = layout.bytes_per_pixel >= 3;
    const auto stored_bytes = static_cast<std::size_t>(layout.stride) * layout.rows;
    const auto pixel_bytes = static_cast<std::size_t>(layout.width) * layout.rows *
                             static_cast<std::size_t>(convert ? 2 : layout.bytes_per_pixel);
    if (!convert) drop_pixels(bitmap);
    auto* scratch = static_cast<std::uint8_t*>(std::malloc(stored_bytes));
    if (scratch == nullptr) return 0;
    drop_pixels(bitmap);
    bitmap->pixels = static_cast<std::uint8_t*>(std::malloc(pixel_bytes));
    std::int32_t result =
        bitmap->pixels != nullptr && read_at(file_data, layout.data_offset, scratch, stored_bytes);
    if (!result) {
        drop_pixels(bitmap);
    } else if (convert) {
        result = keep_true_colour(scratch, layout, bitmap);
    } else {
        bmp_unpack_rows(scratch, layout, bitmap->pixels);
        bitmap->info_header.biBitCount = layout.bits < 8 ? 8 : layout.bits;
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
        write_error_log("\nBitmap refused, %u bits per pixel (1, 4, 8, 16, 24, 32 are read): %s",
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

// The depths a file may have (0 counts: cuts take it as 8 bits).
bool depth_read(std::uint16_t bits) {
    return bits == 0 || bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 ||
           bits == 32;
}

std::int32_t read_laid_out(std::FILE* file_data, BitmapFile* bitmap,
                           const BmpInfoHeader& info_header, std::int64_t length, const char* name);

std::int32_t read_contents(std::FILE* file_data, BitmapFile* bitmap, const char* name) {
    const std::int64_t length = file_length(file_data);
    if (length < 0) return say_refused({}, BMP_REFUSED_TRUNCATED, name);
    // The record keeps the headers' bytes exactly as the file holds them.
    std::uint8_t file_bytes[BMP_FILE_HEADER_SIZE];
    if (std::fread(file_bytes, sizeof file_bytes, 1, file_data) != 1)
        return say_refused({}, BMP_REFUSED_TRUNCATED, name);
    if (png_signature(file_bytes, sizeof file_bytes))
        return read_png_bitmap(bitmap, file_data, length, name);
    std::memcpy(&bitmap->file_header, file_bytes, sizeof file_bytes);
    if (bmp_decode_file_header(file_bytes).type != BMP_MAGIC) {
        write_error_log("\nBitmap refused, neither a BMP nor a PNG file: %s", name);
        return 0;
    }
    std::uint8_t info_bytes[BMP_INFO_HEADER_SIZE];
    if (std::fread(info_bytes, sizeof info_bytes, 1, file_data) != 1)
        return say_refused({}, BMP_REFUSED_TRUNCATED, name);
    std::memcpy(&bitmap->info_header, info_bytes, sizeof info_bytes);
    const BmpInfoHeader info_header = bmp_decode_info_header(info_bytes);
    return read_laid_out(file_data, bitmap, info_header, length, name);
}

// The colour table and rows of a file whose headers are in the record.
std::int32_t read_laid_out(std::FILE* file_data, BitmapFile* bitmap,
                           const BmpInfoHeader& info_header, std::int64_t length,
                           const char* name) {
    BmpLayout layout;
    BmpRefusal why = BMP_REFUSED_TRUNCATED;
    if (!bmp_plan_layout(info_header, length, &layout, &why)) {
        say_refused(info_header, why, name);
        // A refused depth leaves the pixels alone, as cuts refuse that depth anyway; any other
        // refusal, and a depth of 0 (which cuts take as 8 bits), leaves headers that no longer
        // describe the old pixels, so those go.
        if (depth_read(info_header.bit_count)) drop_pixels(bitmap);
        return 0;
    }
    if (layout.bytes_per_pixel == 1 && !read_palette(file_data, layout, bitmap->palette)) {
        drop_pixels(bitmap);
        return say_refused(info_header, BMP_REFUSED_TRUNCATED, name);
    }
    const bool packed = (layout.bits == 8 || layout.bits == 16) &&
                        layout.stride == layout.width * layout.bytes_per_pixel;
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
