// Nearest-neighbour scaling into the window's pixels; runs for every changed frame.
#include "platform/video/sdl/sdl_backend_scale.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The picture row or column under output position i of n, for a picture side of size.
inline int source_of(int i, int n, int size) {
    return static_cast<int>(static_cast<long long>(i) * size / n);
}

void scale_whole(const std::uint32_t* picture, int picture_pitch, int picture_width, int factor,
                 const VideoViewport& v, int first, int last, std::uint32_t* out, int out_pitch) {
    for (int y = first; y <= last; y++) {
        std::uint32_t* row = out + static_cast<long>(v.y + y) * out_pitch + v.x;
        // Later rows of the same picture row are copies of its first one.
        if (y % factor != 0 && y != first) {
            std::memcpy(row, row - out_pitch, static_cast<std::size_t>(v.width) * 4);
            continue;
        }
        const std::uint32_t* s = picture + static_cast<long>(y / factor) * picture_pitch;
        if (factor == 1) {
            std::memcpy(row, s, static_cast<std::size_t>(picture_width) * 4);
            continue;
        }
        for (int x = 0; x < picture_width; x++)
            std::fill_n(row + x * factor, factor, s[x]);
    }
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

void scale_rows(const std::uint32_t* picture, int picture_pitch, int picture_width,
                int picture_height, const VideoViewport& v, int first, int last, std::uint32_t* out,
                int out_pitch) {
    if (picture_width <= 0 || picture_height <= 0 || v.width <= 0 || v.height <= 0) return;
    first = std::max(first, 0);
    last = std::min(last, v.height - 1);
    int factor = v.width / picture_width;
    if (factor >= 1 && v.width == picture_width * factor && v.height == picture_height * factor) {
        scale_whole(picture, picture_pitch, picture_width, factor, v, first, last, out, out_pitch);
        return;
    }
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
