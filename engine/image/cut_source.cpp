// Locating and bounding cut rectangles in a bitmap file's picture, and copying them out at
// the depth the cut asks for.
#include "engine/image/cut_source.h"
#include "engine/display/display_context.h"
#include "engine/display/error_log.h"
#include "engine/image/picture_colours.h"

#include <cstring>

const std::uint8_t* cut_source(const BitmapFile* bitmap, std::int32_t cx, std::int32_t cy,
                               std::int32_t mode, std::int32_t width, std::int32_t height,
                               std::int32_t bits_per_pixel) {
    if (bitmap == nullptr || bitmap->pixels == nullptr) return nullptr;
    const BITMAPINFOHEADER& info = bitmap->info_header;
    // Only the depth the record says it holds sizes its rows correctly. A record built by
    // hand may leave the depth at 0; it is taken as 8 bits, as the reader never leaves a
    // depth of 0 over pixels.
    const std::int32_t depth = info.biBitCount == 0 ? 8 : info.biBitCount;
    if (depth != bits_per_pixel || width <= 0 || height <= 0) return nullptr;
    // Sheets are grids of cells with a one-pixel line between cells and along the top and left.
    const std::int64_t x0 = mode == 0 ? static_cast<std::int64_t>(cx) * (width + 1LL) + 1 : cx;
    const std::int64_t y0 = mode == 0 ? static_cast<std::int64_t>(cy) * (height + 1LL) + 1 : cy;
    const std::int64_t picture_width = info.biWidth;
    const std::int64_t picture_height =
        info.biHeight < 0 ? -static_cast<std::int64_t>(info.biHeight) : info.biHeight;
    if (x0 < 0 || y0 < 0 || x0 + width > picture_width || y0 + height > picture_height)
        return nullptr;
    const std::int64_t bytes_per_pixel = bits_per_pixel / 8;
    return bitmap->pixels + (y0 * picture_width + x0) * bytes_per_pixel;
}

namespace {

struct CutPlan {
    const BitmapFile* bitmap;
    std::int32_t depth;  // what the picture holds
    std::int32_t wanted; // what the cut writes
    std::uint32_t key;
    std::size_t first; // the rectangle's first pixel, counted from the picture's
    std::int32_t width;
    std::int32_t height;
};

// One pixel of the picture as the cut wants it.
std::uint32_t convert(const CutPlan& plan, std::size_t at) {
    const std::uint8_t* rgba = plan.bitmap->colours ? plan.bitmap->colours + at * 4 : nullptr;
    if (rgba != nullptr && rgba[3] < PICTURE_OPAQUE_FROM) return plan.key;
    if (plan.depth == 8) {
        const std::uint8_t index = plan.bitmap->pixels[at];
        if (plan.wanted == 8) return index;
        const PaletteEntry& entry = plan.bitmap->palette[index];
        const std::uint8_t colour[3] = {entry.red, entry.green, entry.blue};
        return picture_word(colour, pixel_format);
    }
    std::uint16_t word = 0;
    std::memcpy(&word, plan.bitmap->pixels + at * 2, 2);
    if (plan.wanted == 16) return word;
    std::uint8_t colour[3];
    if (rgba != nullptr)
        std::memcpy(colour, rgba, 3);
    else
        picture_word_colour(word, pixel_format, colour);
    return palette_nearest(colour[0], colour[1], colour[2]);
}

void convert_rows(const CutPlan& plan, std::uint8_t* dest, std::ptrdiff_t dest_pitch) {
    const auto picture_width = static_cast<std::size_t>(plan.bitmap->info_header.biWidth);
    if (plan.wanted == 8) palette_nearest_use(palette_entries, static_cast<std::int32_t>(plan.key));
    for (std::int32_t row = 0; row < plan.height; ++row, dest += dest_pitch) {
        const std::size_t start = plan.first + static_cast<std::size_t>(row) * picture_width;
        for (std::int32_t x = 0; x < plan.width; ++x) {
            const std::uint32_t value = convert(plan, start + static_cast<std::size_t>(x));
            if (plan.wanted == 8) {
                dest[x] = static_cast<std::uint8_t>(value);
            } else {
                const auto word = static_cast<std::uint16_t>(value);
                std::memcpy(dest + 2 * x, &word, 2);
            }
        }
    }
}

// An 8-bit picture shows its own colours only once its table is the display palette: said
// once for each picture read, as a picture cut before its table is installed comes out in
// the wrong colours (black, on a display whose palette was never set).
void check_palette(const BitmapFile* bitmap) {
    static const std::uint8_t* told = nullptr;
    if (bitmap->pixels == told) return;
    for (std::int32_t i = 0; i < 256; ++i) {
        const PaletteEntry& mine = bitmap->palette[i];
        const PaletteEntry& shown = palette_entries[i];
        if (mine.red != shown.red || mine.green != shown.green || mine.blue != shown.blue) {
            told = bitmap->pixels;
            write_error_log("\nCut from a picture whose colour table is not the display "
                            "palette: see set_palette_from_bitmap.");
            return;
        }
    }
}

} // namespace

std::int32_t cut_pixels(const BitmapFile* bitmap, std::int32_t cx, std::int32_t cy,
                        std::int32_t mode, std::int32_t width, std::int32_t height,
                        std::int32_t bits_per_pixel, std::uint32_t key, std::uint8_t* dest,
                        std::ptrdiff_t dest_pitch) {
    if (bitmap == nullptr || bitmap->pixels == nullptr) {
        write_error_log("\nCut refused: the picture holds no pixels (read it first).");
        return 0;
    }
    const std::int32_t depth =
        bitmap->info_header.biBitCount == 0 ? 8 : bitmap->info_header.biBitCount;
    if (depth != 8 && depth != 16) {
        write_error_log("\nCut refused: the record says %d bits per pixel (8 or 16 are held).",
                        depth);
        return 0;
    }
    const std::uint8_t* source = cut_source(bitmap, cx, cy, mode, width, height, depth);
    if (source == nullptr || (bits_per_pixel != 8 && bits_per_pixel != 16)) {
        write_error_log("\nCut refused: %d x %d pixels at %d, %d (mode %d) leave the %d x %d "
                        "picture.",
                        width, height, cx, cy, mode, static_cast<int>(bitmap->info_header.biWidth),
                        static_cast<int>(bitmap->info_header.biHeight));
        return 0;
    }
    const CutPlan plan = {bitmap,
                          depth,
                          bits_per_pixel,
                          key,
                          static_cast<std::size_t>(source - bitmap->pixels) / (depth / 8),
                          width,
                          height};
    if (depth == 8 && bits_per_pixel == 8 && bitmap->colours == nullptr) check_palette(bitmap);
    if (depth != bits_per_pixel || bitmap->colours != nullptr) {
        convert_rows(plan, dest, dest_pitch);
        return 1;
    }
    const std::ptrdiff_t source_step =
        static_cast<std::ptrdiff_t>(bitmap->info_header.biWidth) * (depth / 8);
    const auto row_bytes = static_cast<std::size_t>(width) * (depth / 8);
    for (std::int32_t row = 0; row < height; ++row, dest += dest_pitch, source += source_step)
        std::memcpy(dest, source, row_bytes);
    return 1;
}
