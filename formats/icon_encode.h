// Icon (.ico) and cursor (.cur) files made in memory from 8-bit pictures, as a Windows
// resource compiler takes them: each picture is a bitmap of twice its height, the colour
// rows followed by a one-bit mask whose set bits leave the screen showing through.
#pragma once

#include "formats/palette_entry.h"

#include <cstdint>
#include <vector>

// Pictures larger than this are no icons.
constexpr std::int32_t ICON_MAX_SIDE = 256;
constexpr std::int32_t ICON_MAX_IMAGES = 16;

// One picture: `width` x `height` palette indices, top row first. The hot spot is the
// cursor's pointing pixel; icons ignore it.
struct IconImage {
    std::int32_t width;
    std::int32_t height;
    const std::uint8_t* indices;
    std::int32_t hot_x;
    std::int32_t hot_y;
};

// Pixels of colour `transparent` are clear; the other pixels show `colours` (256 entries).
// Empty when there are no pictures or more than ICON_MAX_IMAGES, a side is not within 1 to
// ICON_MAX_SIDE, a pointer is null, or a cursor's hot spot lies outside its picture.
std::vector<std::uint8_t> icon_file_encode(const IconImage* images, std::int32_t count,
                                           const PaletteEntry* colours, std::uint8_t transparent);
std::vector<std::uint8_t> cursor_file_encode(const IconImage* images, std::int32_t count,
                                             const PaletteEntry* colours, std::uint8_t transparent);
