// A deliberately separate reader for the artwork's 8-bit bitmaps, so the files are
// checked against the format itself rather than against the engine's own reader.
#pragma once

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

struct ProbeColour {
    int red, green, blue;
    bool operator==(const ProbeColour&) const = default;
};

struct ProbedBitmap {
    bool ok = false;
    std::string error;
    std::size_t file_size = 0;
    std::uint32_t file_size_field = 0, offset = 0, info_size = 0, compression = 0, image_size = 0;
    std::int32_t width = 0, height = 0;
    int planes = 0, bits = 0;
    std::array<ProbeColour, 256> palette{};
    std::array<int, 256> reserved{};
    std::vector<std::uint8_t> pixels; // top row first

    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

inline std::uint32_t probe_u32(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) |
           (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

inline int probe_u16(const std::vector<std::uint8_t>& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8);
}

inline ProbedBitmap probe_bitmap(const std::string& path) {
    ProbedBitmap bmp;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        bmp.error = "cannot open " + path;
        return bmp;
    }
    const std::vector<std::uint8_t> b((std::istreambuf_iterator<char>(file)),
                                      std::istreambuf_iterator<char>());
    bmp.file_size = b.size();
    if (b.size() < 1078 || b[0] != 'B' || b[1] != 'M') {
        bmp.error = path + " is no 8-bit bitmap";
        return bmp;
    }
    bmp.file_size_field = probe_u32(b, 2);
    bmp.offset = probe_u32(b, 10);
    bmp.info_size = probe_u32(b, 14);
    bmp.width = static_cast<std::int32_t>(probe_u32(b, 18));
    bmp.height = static_cast<std::int32_t>(probe_u32(b, 22));
    bmp.planes = probe_u16(b, 26);
    bmp.bits = probe_u16(b, 28);
    bmp.compression = probe_u32(b, 30);
    bmp.image_size = probe_u32(b, 34);
    for (int i = 0; i < 256; ++i) {
        bmp.palette[i] = {b[54 + 4 * i + 2], b[54 + 4 * i + 1], b[54 + 4 * i]};
        bmp.reserved[i] = b[54 + 4 * i + 3];
    }
    if (bmp.width <= 0 || bmp.height <= 0 || bmp.width > 4096 || bmp.height > 4096) {
        bmp.error = path + " has an absurd size";
        return bmp;
    }
    const std::size_t row = static_cast<std::size_t>(bmp.width);
    const std::size_t need = row * bmp.height;
    if (bmp.offset > b.size() || b.size() - bmp.offset < need) {
        bmp.error = path + " is shorter than its pixels";
        return bmp;
    }
    bmp.pixels.resize(need);
    for (int y = 0; y < bmp.height; ++y) {
        const std::size_t from = bmp.offset + (bmp.height - 1 - y) * row;
        std::copy(b.begin() + from, b.begin() + from + row, bmp.pixels.begin() + y * row);
    }
    bmp.ok = true;
    return bmp;
}

// How many pixels of a rectangle (inclusive bounds, clipped) hold one of the colours.
inline int count_colours(const ProbedBitmap& bmp, int x0, int y0, int x1, int y1,
                         std::initializer_list<int> colours) {
    int count = 0;
    for (int y = std::max(y0, 0); y <= std::min(y1, bmp.height - 1); ++y)
        for (int x = std::max(x0, 0); x <= std::min(x1, bmp.width - 1); ++x)
            for (int c : colours)
                if (bmp.at(x, y) == c) ++count;
    return count;
}
