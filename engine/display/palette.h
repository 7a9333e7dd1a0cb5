// The display palette: palette text files, whole-palette and single-entry access,
// rotation of a range of entries, and a table of blinking entries.
#pragma once

#include "engine/display/palette_entry.h"

#include <cstdint>

struct PaletteBlinker {
    std::int32_t color_index;
    PaletteEntry on_color;
    PaletteEntry off_color;
    std::int32_t on_time;
    std::int32_t off_time;
    std::int32_t counter;
    std::int32_t state; // 0 free, -1 off colour showing, +1 on colour showing
};
static_assert(sizeof(PaletteBlinker) == 28);

constexpr std::int32_t BLINK_ADD = 0;
constexpr std::int32_t BLINK_DELETE = 1;
constexpr std::int32_t BLINK_UPDATE = 2;
constexpr std::int32_t BLINK_RUN = 3;

std::int32_t load_palette_file(const char* name, PaletteEntry* palette);
std::int32_t save_palette_file(const char* name, const PaletteEntry* palette);
std::int32_t set_palette_entry(std::int32_t index, const PaletteEntry* entry);
std::int32_t get_palette_entry(std::int32_t index, PaletteEntry* entry);
std::int32_t get_palette(PaletteEntry* palette);
std::int32_t set_palette(const PaletteEntry* palette);
std::int32_t rotate_palette(std::int32_t first, std::int32_t last);
std::int32_t blink_palette(std::int32_t command, PaletteBlinker* blinker, std::int32_t slot);
