// Laying out icon and cursor files byte by byte.
#include "formats/icon_encode.h"
#include "formats/bmp_headers.h"

namespace {

constexpr std::size_t DIRECTORY_SIZE = 6;
constexpr std::size_t ENTRY_SIZE = 16;
constexpr std::size_t COLOUR_TABLE_SIZE = 256 * 4;
constexpr std::uint16_t TYPE_ICON = 1;
constexpr std::uint16_t TYPE_CURSOR = 2;

std::size_t padded_row(std::int32_t width, std::int32_t bits) {
    return static_cast<std::size_t>(bmp_row_stride(width, bits));
}

std::size_t image_size(const IconImage& image) {
    return BMP_INFO_HEADER_SIZE + COLOUR_TABLE_SIZE +
           (padded_row(image.width, 8) + padded_row(image.width, 1)) * image.height;
}

bool image_ok(const IconImage& image, bool cursor) {
    if (image.indices == nullptr || image.width < 1 || image.height < 1 ||
        image.width > ICON_MAX_SIDE || image.height > ICON_MAX_SIDE)
        return false;
    return !cursor || (image.hot_x >= 0 && image.hot_y >= 0 && image.hot_x < image.width &&
                       image.hot_y < image.height);
}

// The picture's header, colour table, colour rows and mask rows, both bottom row first.
void write_image(const IconImage& image, const PaletteEntry* colours, std::uint8_t transparent,
                 std::uint8_t* out) {
    const std::size_t colour_stride = padded_row(image.width, 8);
    const std::size_t mask_stride = padded_row(image.width, 1);
    const BmpInfoHeader info = {
        static_cast<std::uint32_t>(BMP_INFO_HEADER_SIZE),
        image.width,
        image.height * 2, // the colour rows and the mask rows together
        1,
        8,
        BMP_RGB,
        static_cast<std::uint32_t>((colour_stride + mask_stride) * image.height),
        0,
        0,
        256,
        0};
    bmp_encode_info_header(info, out);
    std::uint8_t* table = out + BMP_INFO_HEADER_SIZE;
    for (int i = 0; i < 256; ++i, table += 4) {
        // A clear pixel's colour is combined with the screen by exclusive or, so black
        // leaves the screen as it is.
        if (i == transparent) continue;
        table[0] = colours[i].blue;
        table[1] = colours[i].green;
        table[2] = colours[i].red;
    }
    std::uint8_t* colour_rows = out + BMP_INFO_HEADER_SIZE + COLOUR_TABLE_SIZE;
    std::uint8_t* mask_rows = colour_rows + colour_stride * image.height;
    for (std::int32_t y = 0; y < image.height; ++y) {
        const std::uint8_t* in = image.indices + static_cast<std::size_t>(y) * image.width;
        const std::size_t stored = static_cast<std::size_t>(image.height - 1 - y);
        std::uint8_t* colour = colour_rows + colour_stride * stored;
        std::uint8_t* mask = mask_rows + mask_stride * stored;
        for (std::int32_t x = 0; x < image.width; ++x) {
            colour[x] = in[x];
            if (in[x] == transparent) mask[x / 8] |= static_cast<std::uint8_t>(0x80 >> (x % 8));
        }
    }
}

std::vector<std::uint8_t> encode(const IconImage* images, std::int32_t count,
                                 const PaletteEntry* colours, std::uint8_t transparent,
                                 bool cursor) {
    if (images == nullptr || colours == nullptr || count < 1 || count > ICON_MAX_IMAGES) return {};
    std::size_t total = DIRECTORY_SIZE + ENTRY_SIZE * count;
    for (std::int32_t i = 0; i < count; ++i) {
        if (!image_ok(images[i], cursor)) return {};
        total += image_size(images[i]);
    }
    std::vector<std::uint8_t> bytes(total, 0);
    bmp_put16(&bytes[2], cursor ? TYPE_CURSOR : TYPE_ICON);
    bmp_put16(&bytes[4], static_cast<std::uint16_t>(count));
    std::size_t offset = DIRECTORY_SIZE + ENTRY_SIZE * count;
    for (std::int32_t i = 0; i < count; ++i) {
        const IconImage& image = images[i];
        std::uint8_t* entry = &bytes[DIRECTORY_SIZE + ENTRY_SIZE * i];
        // A side of 256 is written as 0; the colour count is 0 for 256 colours.
        entry[0] = static_cast<std::uint8_t>(image.width);
        entry[1] = static_cast<std::uint8_t>(image.height);
        // An icon gives its planes and depth here, a cursor its hot spot.
        bmp_put16(entry + 4, static_cast<std::uint16_t>(cursor ? image.hot_x : 1));
        bmp_put16(entry + 6, static_cast<std::uint16_t>(cursor ? image.hot_y : 8));
        bmp_put32(entry + 8, static_cast<std::uint32_t>(image_size(image)));
        bmp_put32(entry + 12, static_cast<std::uint32_t>(offset));
        write_image(image, colours, transparent, &bytes[offset]);
        offset += image_size(image);
    }
    return bytes;
}

} // namespace

std::vector<std::uint8_t> icon_file_encode(const IconImage* images, std::int32_t count,
                                           const PaletteEntry* colours, std::uint8_t transparent) {
    return encode(images, count, colours, transparent, false);
}

std::vector<std::uint8_t> cursor_file_encode(const IconImage* images, std::int32_t count,
                                             const PaletteEntry* colours,
                                             std::uint8_t transparent) {
    return encode(images, count, colours, transparent, true);
}
