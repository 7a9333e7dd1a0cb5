// Nearest-neighbour scaling into a host's pixels; runs for every changed frame.
#include "platform/host/scale.h"
#include "platform/host/convert.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The picture row or column under output position i of n, for a picture side of size.
inline int source_of(int i, int n, int size) {
    return static_cast<int>(static_cast<long long>(i) * size / n);
}

int whole_factor(const VideoViewport& v, int picture_width, int picture_height) {
    int factor = v.width / picture_width;
    return factor >= 1 && v.width == picture_width * factor && v.height == picture_height * factor
               ? factor
               : 0;
}

// Writes one converted picture row `factor` times wide into d.
void widen_row(const std::uint32_t* row, int width, int factor, std::uint32_t* d) {
    if (factor == 1) {
        std::memcpy(d, row, static_cast<std::size_t>(width) * sizeof *d);
        return;
    }
    for (int x = 0; x < width; ++x)
        d = std::fill_n(d, factor, row[x]);
}

// Picture row y converted and widened by `factor` into d. The common scales of today's
// screens are written without the inner loop.
void convert_wide_row(const VideoPicture& picture, const std::uint32_t* table, int y, int factor,
                      std::uint32_t* row, std::uint32_t* d) {
    const int width = picture.width;
    const std::uint8_t* s = picture.pixels + static_cast<long>(y) * picture.pitch;
    if (picture.bpp == 8 && factor == 2) {
        for (int x = 0; x < width; ++x)
            d[2 * x] = d[2 * x + 1] = table[s[x]];
        return;
    }
    if (picture.bpp == 8 && factor == 3) {
        for (int x = 0; x < width; ++x)
            d[3 * x] = d[3 * x + 1] = d[3 * x + 2] = table[s[x]];
        return;
    }
    VideoPicture line = picture;
    line.pixels = s;
    line.height = 1;
    if (factor == 1) {
        convert_picture_to_argb(&line, d, width);
        return;
    }
    convert_picture_to_argb(&line, row, width);
    widen_row(row, width, factor, d);
}

void scale_whole(const VideoPicture& picture, int factor, const VideoViewport& v, int first,
                 int last, std::uint32_t* out, int out_pitch) {
    std::vector<std::uint32_t> row(static_cast<std::size_t>(picture.width));
    std::uint32_t table[256];
    if (picture.bpp == 8) palette_to_argb(picture.palette, table);
    for (int y = first; y <= last; y++) {
        std::uint32_t* d = out + static_cast<long>(v.y + y) * out_pitch + v.x;
        // Later rows of the same picture row are copies of its first one.
        if (y % factor != 0 && y != first)
            std::memcpy(d, d - out_pitch, static_cast<std::size_t>(v.width) * sizeof *d);
        else
            convert_wide_row(picture, table, y / factor, factor, row.data(), d);
    }
}

int readable(const VideoPicture* picture) {
    if (!picture || !picture->pixels || picture->width <= 0 || picture->height <= 0) return 0;
    if (picture->bpp == 8) return picture->palette && picture->pitch >= picture->width;
    return (picture->bpp == 15 || picture->bpp == 16) && picture->pitch >= picture->width * 2;
}

} // namespace

int viewport_rows_of(const VideoViewport& v, int picture_height, int picture_first,
                     int picture_last, int* first, int* last) {
    if (v.width <= 0 || v.height <= 0 || picture_height <= 0) return 0;
    picture_first = std::max(picture_first, 0);
    picture_last = std::min(picture_last, picture_height - 1);
    if (picture_first > picture_last) return 0;
    // The first output row at or past picture row p is ceil(p * h / picture_height).
    auto first_row_of = [&](int p) {
        return static_cast<int>((static_cast<long long>(p) * v.height + picture_height - 1) /
                                picture_height);
    };
    *first = first_row_of(picture_first);
    *last = first_row_of(picture_last + 1) - 1;
    return *first <= *last;
}

void scale_picture_rows(const VideoPicture* picture, const VideoViewport& v, int first, int last,
                        std::uint32_t* out, int out_pitch) {
    if (!readable(picture) || !out || v.width <= 0 || v.height <= 0) return;
    first = std::max(first, 0);
    last = std::min(last, v.height - 1);
    if (first > last) return;
    if (int factor = whole_factor(v, picture->width, picture->height)) {
        scale_whole(*picture, factor, v, first, last, out, out_pitch);
        return;
    }
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(picture->width) * picture->height);
    convert_picture_to_argb(picture, argb.data(), picture->width);
    scale_rows(argb.data(), picture->width, picture->width, picture->height, v, first, last, out,
               out_pitch);
}

void scale_rows(const std::uint32_t* picture, int picture_pitch, int picture_width,
                int picture_height, const VideoViewport& v, int first, int last, std::uint32_t* out,
                int out_pitch) {
    if (!picture || !out || picture_width <= 0 || picture_height <= 0 || v.width <= 0 ||
        v.height <= 0)
        return;
    first = std::max(first, 0);
    last = std::min(last, v.height - 1);
    std::vector<int> columns(static_cast<std::size_t>(v.width));
    for (int x = 0; x < v.width; x++)
        columns[static_cast<std::size_t>(x)] = source_of(x, v.width, picture_width);
    for (int y = first; y <= last; y++) {
        const std::uint32_t* s =
            picture + static_cast<long>(source_of(y, v.height, picture_height)) * picture_pitch;
        std::uint32_t* row = out + static_cast<long>(v.y + y) * out_pitch + v.x;
        for (int x = 0; x < v.width; x++)
            row[x] = s[columns[static_cast<std::size_t>(x)]];
    }
}
