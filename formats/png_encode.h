// PNG files made in memory from 8-bit pictures with a palette, for the desktop's and the web's
// icons; no library needed, so the artwork tool builds wherever the game does.
#pragma once

#include "formats/palette_entry.h"

#include <cstdint>
#include <vector>

// Larger pictures are refused rather than laid out.
constexpr std::int32_t PNG_MAX_SIDE = 4096;

// `width` x `height` palette indices, top row first, shown with `colours` (256 entries);
// pixels of colour `transparent` are clear, and with `transparent` above 255 none are.
// Empty when a side is not within 1 to PNG_MAX_SIDE or a pointer is null.
std::vector<std::uint8_t> png_file_encode(std::int32_t width, std::int32_t height,
                                          const std::uint8_t* indices, const PaletteEntry* colours,
                                          std::int32_t transparent);
