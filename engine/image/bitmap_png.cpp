// Turning a decoded PNG into the record's headers, colour table, pixels and kept colours.
#include "engine/image/bitmap_png.h"

#include "engine/display/display_context.h"
#include "engine/display/error_log.h"
#include "engine/image/picture_colours.h"
#include "formats/bmp_headers.h"
#include "formats/png_decode.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// The most a PNG file may hold: far above any picture of the largest size read.
constexpr std::int64_t MAX_PNG_BYTES = 64 << 20;

// The headers a BMP file of the held picture would carry.
void describe(BitmapFile* bitmap, const PngPicture& picture, std::int32_t bits) {
    const auto table = static_cast<std::uint32_t>(picture.indexed ? picture.colour_count * 4 : 0);
    const auto size = static_cast<std::uint32_t>(picture.width) * picture.height * (bits / 8);
    BmpFileHeader file = {BMP_MAGIC, static_cast<std::uint32_t>(BMP_HEADERS_SIZE) + table + size, 0,
                          0, static_cast<std::uint32_t>(BMP_HEADERS_SIZE) + table};
    BmpInfoHeader info = {};
    info.header_size = BMP_INFO_HEADER_SIZE;
    info.width = picture.width;
    info.height = picture.height;
    info.planes = 1;
    info.bit_count = static_cast<std::uint16_t>(bits);
    info.image_size = size;
    info.colours_used = picture.indexed ? static_cast<std::uint32_t>(picture.colour_count) : 0;
    std::uint8_t bytes[BMP_HEADERS_SIZE];
    bmp_encode_file_header(file, bytes);
    bmp_encode_info_header(info, bytes + BMP_FILE_HEADER_SIZE);
    std::memcpy(&bitmap->file_header, bytes, BMP_FILE_HEADER_SIZE);
    std::memcpy(&bitmap->info_header, bytes + BMP_FILE_HEADER_SIZE, BMP_INFO_HEADER_SIZE);
}

bool any_clear(const PngPicture& picture) {
    for (std::int32_t i = 0; i < picture.colour_count; ++i)
        if (picture.alpha[i] < 255) return true;
    return false;
}

// The pixels the record will hold and, where the picture has them, its colours.
bool convert(const PngPicture& picture, std::uint8_t** pixels, std::uint8_t** colours) {
    const auto count = static_cast<std::size_t>(picture.width) * picture.height;
    const bool keep = !picture.indexed || any_clear(picture);
    *pixels = static_cast<std::uint8_t*>(std::malloc(count * (picture.indexed ? 1 : 2)));
    *colours = keep ? static_cast<std::uint8_t*>(std::malloc(count * 4)) : nullptr;
    if (*pixels == nullptr || (keep && *colours == nullptr)) {
        std::free(*pixels);
        std::free(*colours);
        return false;
    }
    if (!picture.indexed) {
        std::memcpy(*colours, picture.rgba.data(), count * 4);
        auto* words = reinterpret_cast<std::uint16_t*>(*pixels);
        for (std::size_t i = 0; i < count; ++i)
            words[i] = picture_word(picture.rgba.data() + i * 4, pixel_format);
        return true;
    }
    std::memcpy(*pixels, picture.indices.data(), count);
    for (std::size_t i = 0; keep && i < count; ++i) {
        const std::uint8_t index = picture.indices[i];
        const PaletteEntry& entry = picture.colours[index];
        std::uint8_t* rgba = *colours + i * 4;
        rgba[0] = entry.red;
        rgba[1] = entry.green;
        rgba[2] = entry.blue;
        rgba[3] = picture.alpha[index];
    }
    return true;
}

} // namespace

std::int32_t read_png_bitmap(BitmapFile* bitmap, std::FILE* file_data, std::int64_t length,
                             const char* name) {
    std::vector<std::uint8_t> bytes;
    if (length > MAX_PNG_BYTES) {
        write_error_log("\nPicture refused, a PNG file above 64 MB: %s", name);
        return 0;
    }
    bytes.resize(static_cast<std::size_t>(length));
    if (std::fseek(file_data, 0, SEEK_SET) != 0 ||
        std::fread(bytes.data(), 1, bytes.size(), file_data) != bytes.size()) {
        write_error_log("\nPicture not read, a read error: %s", name);
        return 0;
    }
    PngPicture picture;
    if (const char* why = png_decode(bytes.data(), bytes.size(), &picture)) {
        write_error_log("\nPNG refused, %s: %s", why, name);
        return 0;
    }
    std::uint8_t* pixels = nullptr;
    std::uint8_t* colours = nullptr;
    if (!convert(picture, &pixels, &colours)) {
        write_error_log("\nPicture not read, no memory: %s", name);
        return 0;
    }
    std::free(bitmap->pixels);
    std::free(bitmap->colours);
    bitmap->pixels = pixels;
    bitmap->colours = colours;
    describe(bitmap, picture, picture.indexed ? 8 : 16);
    if (picture.indexed) {
        for (std::int32_t i = 0; i < 256; ++i) {
            bitmap->palette[i] = i < picture.colour_count ? picture.colours[i] : PaletteEntry{};
            bitmap->palette[i].flags = PC_NOCOLLAPSE;
        }
    }
    return 1;
}
