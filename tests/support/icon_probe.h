// A reader of icon and cursor files written apart from the encoder, so that the files are
// checked against the format itself: the directory, each picture's header, colour table,
// colour rows and mask, with every offset checked against the file's length.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

struct ProbedIconImage {
    int width = 0, height = 0;
    int field4 = 0, field6 = 0;                  // an icon's planes and depth, a cursor's hot spot
    std::array<std::array<int, 3>, 256> table{}; // red, green, blue
    std::vector<std::uint8_t> indices;           // top row first
    std::vector<bool> clear;                     // the mask, top row first
};

struct ProbedIcon {
    bool ok = false;
    std::string error;
    int type = 0; // 1 icon, 2 cursor
    std::vector<ProbedIconImage> images;
};

inline ProbedIcon probe_icon(const std::vector<std::uint8_t>& b) {
    ProbedIcon icon;
    auto u16 = [&](std::size_t at) { return b[at] | b[at + 1] << 8; };
    auto u32 = [&](std::size_t at) {
        return static_cast<std::uint32_t>(u16(at)) | static_cast<std::uint32_t>(u16(at + 2)) << 16;
    };
    auto refuse = [&](const std::string& why) {
        icon.error = why;
        return icon;
    };
    if (b.size() < 6 || u16(0) != 0) return refuse("no icon directory");
    icon.type = u16(2);
    const std::size_t count = u16(4);
    if (b.size() < 6 + 16 * count) return refuse("directory longer than the file");
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        ProbedIconImage image;
        image.width = b[entry] == 0 ? 256 : b[entry];
        image.height = b[entry + 1] == 0 ? 256 : b[entry + 1];
        image.field4 = u16(entry + 4);
        image.field6 = u16(entry + 6);
        const std::uint64_t size = u32(entry + 8), offset = u32(entry + 12);
        if (b[entry + 2] != 0 || b[entry + 3] != 0) return refuse("colour count or reserved set");
        if (offset + size > b.size() || size < 40 + 1024) return refuse("picture outside file");
        if (u32(offset) != 40 || u32(offset + 4) != static_cast<std::uint32_t>(image.width) ||
            u32(offset + 8) != static_cast<std::uint32_t>(2 * image.height) ||
            u16(offset + 12) != 1 || u16(offset + 14) != 8 || u32(offset + 16) != 0)
            return refuse("header not that of an 8-bit picture of twice the entry's height");
        const std::size_t colour_stride = (image.width + 3) / 4 * 4;
        const std::size_t mask_stride = (image.width + 31) / 32 * 4;
        const std::size_t rows = offset + 40 + 1024;
        if (size != 40 + 1024 + (colour_stride + mask_stride) * image.height)
            return refuse("picture size does not match its rows");
        for (int c = 0; c < 256; ++c) {
            const std::size_t at = offset + 40 + 4 * c;
            image.table[c] = {b[at + 2], b[at + 1], b[at]};
        }
        for (int y = 0; y < image.height; ++y) {
            const std::size_t stored = image.height - 1 - y;
            const std::size_t colour = rows + colour_stride * stored;
            const std::size_t mask = rows + colour_stride * image.height + mask_stride * stored;
            for (int x = 0; x < image.width; ++x) {
                image.indices.push_back(b[colour + x]);
                image.clear.push_back((b[mask + x / 8] >> (7 - x % 8) & 1) != 0);
            }
            for (std::size_t x = image.width; x < mask_stride * 8; ++x)
                if (b[mask + x / 8] >> (7 - x % 8) & 1) return refuse("mask padding set");
        }
        icon.images.push_back(std::move(image));
    }
    icon.ok = true;
    return icon;
}
