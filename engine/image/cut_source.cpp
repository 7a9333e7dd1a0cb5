// Locating and bounding cut rectangles in a bitmap file's picture.
#include "engine/image/cut_source.h"

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
