// The pixel work of Blt: colour fills, plain and colour-keyed copies, nearest-neighbour
// stretching, on one rectangle that Blt has already checked and clipped.
#include "platform/ddraw/ddraw_blit.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr std::uint64_t ones = 0x0101010101010101ull;
constexpr std::uint64_t low7 = 0x7F7F7F7F7F7F7F7Full;
constexpr std::uint64_t high1 = 0x8080808080808080ull;

// Bytes 0xFF where `x` has a non-zero byte, 0x00 where it has a zero one, exactly (no
// borrow runs from one byte into the next).
inline std::uint64_t nonzero_byte_mask(std::uint64_t x) {
    std::uint64_t high = (((x & low7) + low7) | x) & high1;
    return (high >> 7) * 0xFF;
}

void copy_keyed_row8(std::uint8_t* dest, const std::uint8_t* source, int count, std::uint8_t key) {
    const std::uint64_t keys = ones * key;
    int i = 0;
    // Sprites are mostly runs of solid or transparent pixels: test eight at once and only
    // merge byte by byte where a word mixes both.
    for (; i + 8 <= count; i += 8) {
        std::uint64_t s;
        std::memcpy(&s, source + i, 8);
        std::uint64_t opaque = nonzero_byte_mask(s ^ keys);
        if (opaque == ~0ull) {
            std::memcpy(dest + i, &s, 8);
        } else if (opaque) {
            std::uint64_t d;
            std::memcpy(&d, dest + i, 8);
            d = (d & ~opaque) | (s & opaque);
            std::memcpy(dest + i, &d, 8);
        }
    }
    for (; i < count; ++i)
        if (source[i] != key) dest[i] = source[i];
}

template <typename Pixel>
void copy_range_keyed_row(Pixel* dest, const Pixel* source, int count, Pixel low, Pixel span) {
    for (int i = 0; i < count; ++i) {
        Pixel p = source[i];
        if (static_cast<Pixel>(p - low) > span) dest[i] = p;
    }
}

template <typename Pixel>
void stretch_row(Pixel* dest, const Pixel* source, const int* columns, int count) {
    for (int i = 0; i < count; ++i)
        dest[i] = source[columns[i]];
}

template <typename Pixel>
void stretch_keyed_row(Pixel* dest, const Pixel* source, const int* columns, int count, Pixel low,
                       Pixel span) {
    for (int i = 0; i < count; ++i) {
        Pixel p = source[columns[i]];
        if (static_cast<Pixel>(p - low) > span) dest[i] = p;
    }
}

// The source column or row that destination position `d` of a stretched blit samples.
inline int source_position(long long d, long long dest_start, long long dest_size,
                           long long source_start, long long source_size) {
    return static_cast<int>(source_start + (d - dest_start) * source_size / dest_size);
}

// One row of a blit: copied as it is, or merged past the colour key (one value, eight pixels
// at a time, at 8 bits; a range otherwise).
template <typename Pixel> void copy_row(const DdBlitJob& job, Pixel* d, const Pixel* s, int count) {
    const Pixel low = static_cast<Pixel>(job.key_low);
    const Pixel span = static_cast<Pixel>(job.key_high - job.key_low);
    if (!job.keyed)
        std::memcpy(d, s, static_cast<size_t>(count) * sizeof(Pixel));
    else if (sizeof(Pixel) == 1 && span == 0)
        copy_keyed_row8(reinterpret_cast<std::uint8_t*>(d),
                        reinterpret_cast<const std::uint8_t*>(s), count,
                        static_cast<std::uint8_t>(low));
    else
        copy_range_keyed_row(d, s, count, low, span);
}

template <typename Pixel> void copy_rect_same_size(const DdBlitJob& job, const RECT& clip) {
    const RECT& dr = job.dest_rect;
    const RECT& sr = job.source_rect;
    const int count = clip.right - clip.left;
    const int dx = sr.left - dr.left, dy = sr.top - dr.top;
    for (int y = clip.top; y < clip.bottom; ++y) {
        Pixel* d =
            reinterpret_cast<Pixel*>(job.dest + static_cast<long>(y) * job.dest_pitch) + clip.left;
        const Pixel* s = reinterpret_cast<const Pixel*>(job.source + static_cast<long>(y + dy) *
                                                                         job.source_pitch) +
                         clip.left + dx;
        copy_row(job, d, s, count);
    }
}

// Stretched: the source column of every destination column is worked out once.
template <typename Pixel> void copy_rect_stretched(const DdBlitJob& job, const RECT& clip) {
    const RECT& dr = job.dest_rect;
    const RECT& sr = job.source_rect;
    // A clipped destination may be as wide as a LONG reaches: sizes are taken 64 bits wide.
    const long long dest_w = static_cast<long long>(dr.right) - dr.left;
    const long long dest_h = static_cast<long long>(dr.bottom) - dr.top;
    const long long source_w = static_cast<long long>(sr.right) - sr.left;
    const long long source_h = static_cast<long long>(sr.bottom) - sr.top;
    const int count = clip.right - clip.left;
    const Pixel low = static_cast<Pixel>(job.key_low);
    const Pixel span = static_cast<Pixel>(job.key_high - job.key_low);
    const bool single_key = job.keyed && span == 0;
    thread_local std::vector<int> columns;
    columns.resize(static_cast<size_t>(count));
    for (int x = clip.left; x < clip.right; ++x)
        columns[x - clip.left] = source_position(x, dr.left, dest_w, sr.left, source_w);
    thread_local std::vector<std::uint8_t> scratch;
    if (job.keyed) scratch.resize(static_cast<size_t>(count) * sizeof(Pixel));
    const std::uint8_t* previous_source_row = nullptr;
    const Pixel* previous_dest_row = nullptr;
    for (int y = clip.top; y < clip.bottom; ++y) {
        int sy = source_position(y, dr.top, dest_h, sr.top, source_h);
        const std::uint8_t* source_row = job.source + static_cast<long>(sy) * job.source_pitch;
        Pixel* d =
            reinterpret_cast<Pixel*>(job.dest + static_cast<long>(y) * job.dest_pitch) + clip.left;
        const Pixel* s = reinterpret_cast<const Pixel*>(source_row);
        if (!job.keyed) {
            // Enlarging repeats source rows: the row just drawn is the same picture.
            if (source_row == previous_source_row)
                std::memcpy(d, previous_dest_row, static_cast<size_t>(count) * sizeof(Pixel));
            else
                stretch_row(d, s, columns.data(), count);
            previous_source_row = source_row;
            previous_dest_row = d;
        } else if (sizeof(Pixel) == 1 && single_key) {
            // Stretch the row once into a scratch row, then merge it eight pixels at a time.
            if (source_row != previous_source_row)
                stretch_row(reinterpret_cast<Pixel*>(scratch.data()), s, columns.data(), count);
            previous_source_row = source_row;
            copy_keyed_row8(reinterpret_cast<std::uint8_t*>(d), scratch.data(), count,
                            static_cast<std::uint8_t>(low));
        } else {
            stretch_keyed_row(d, s, columns.data(), count, low, span);
        }
    }
}

template <typename Pixel> void copy_rect(const DdBlitJob& job, const RECT& clip) {
    const RECT& dr = job.dest_rect;
    const RECT& sr = job.source_rect;
    const bool same_size =
        static_cast<long long>(dr.right) - dr.left == static_cast<long long>(sr.right) - sr.left &&
        static_cast<long long>(dr.bottom) - dr.top == static_cast<long long>(sr.bottom) - sr.top;
    if (same_size)
        copy_rect_same_size<Pixel>(job, clip);
    else
        copy_rect_stretched<Pixel>(job, clip);
}

template <typename Pixel>
void fill_rows(std::uint8_t* pixels, LONG pitch, const RECT& rect, Pixel color) {
    const int count = rect.right - rect.left;
    for (int y = rect.top; y < rect.bottom; ++y) {
        Pixel* d = reinterpret_cast<Pixel*>(pixels + static_cast<long>(y) * pitch) + rect.left;
        if (sizeof(Pixel) == 1)
            std::memset(d, static_cast<int>(color), static_cast<size_t>(count));
        else
            std::fill_n(d, count, color);
    }
}

} // namespace

void ddraw_fill_rect(std::uint8_t* pixels, LONG pitch, int bytes_per_pixel, const RECT& rect,
                     DWORD color) {
    if (bytes_per_pixel == 1)
        fill_rows<std::uint8_t>(pixels, pitch, rect, static_cast<std::uint8_t>(color));
    else
        fill_rows<std::uint16_t>(pixels, pitch, rect, static_cast<std::uint16_t>(color));
}

void ddraw_copy_rect(const DdBlitJob& job, const RECT& clip) {
    if (clip.left >= clip.right || clip.top >= clip.bottom) return;
    if (job.bytes_per_pixel == 1)
        copy_rect<std::uint8_t>(job, clip);
    else
        copy_rect<std::uint16_t>(job, clip);
}

RECT ddraw_rows_differing(const std::uint8_t* a, LONG a_pitch, const std::uint8_t* b, LONG b_pitch,
                          int bytes_per_pixel, const RECT& rect) {
    const size_t row_bytes = static_cast<size_t>(rect.right - rect.left) * bytes_per_pixel;
    const int rows = rect.bottom - rect.top;
    auto same = [&](int y) {
        return std::memcmp(a + static_cast<long>(y) * a_pitch, b + static_cast<long>(y) * b_pitch,
                           row_bytes) == 0;
    };
    int first = 0;
    while (first < rows && same(first))
        ++first;
    if (first == rows) return {};
    int last = rows - 1;
    while (last > first && same(last))
        --last;
    return {rect.left, rect.top + first, rect.right, rect.top + last + 1};
}
