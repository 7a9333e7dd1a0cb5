// The display palette: palette text files, whole-palette and single-entry access,
// rotation of a range of entries, and a table of blinking entries.
#pragma once

#include "engine/display/palette_entry.h"

#include <cstdint>

// One blinking palette entry, as the blinker table keeps it.
struct PaletteBlinker {
    // The palette entry that blinks.
    std::int32_t color_index;
    // The colour of the on state.
    PaletteEntry on_color;
    // The colour of the off state, shown at once when added.
    PaletteEntry off_color;
    // BLINK_RUN calls the on state lasts.
    std::int32_t on_time;
    // BLINK_RUN calls the off state lasts.
    std::int32_t off_time;
    // BLINK_RUN calls since the last switch.
    std::int32_t counter;
    std::int32_t state; // 0 free, -1 off colour showing, +1 on colour showing
};
static_assert(sizeof(PaletteBlinker) == 28);

// Takes the lowest free slot and shows the off colour; the slot, or -1.
constexpr std::int32_t BLINK_ADD = 0;
// Frees a slot, the entry keeping its last colour; -1 if it was free.
constexpr std::int32_t BLINK_DELETE = 1;
// Gives a slot new colours and times; -1 if it is free.
constexpr std::int32_t BLINK_UPDATE = 2;
// Counts one call for every blinker and switches those due; once a frame.
constexpr std::int32_t BLINK_RUN = 3;

// Reads 256 entries of red, green, blue and flags as text, up to the first field that is
// missing or no number; 0, the palette untouched, when the file cannot be opened or read.
std::int32_t load_palette_file(const char* name, PaletteEntry* palette);
// Writes the 256 entries as text, one a line; 0 on failure.
std::int32_t save_palette_file(const char* name, const PaletteEntry* palette);
// Sets one entry on the display and in palette_entries.
std::int32_t set_palette_entry(std::int32_t index, const PaletteEntry* entry);
// Copies one entry of palette_entries.
std::int32_t get_palette_entry(std::int32_t index, PaletteEntry* entry);
// Copies all 256 entries of palette_entries.
std::int32_t get_palette(PaletteEntry* palette);
// Installs a whole palette on the display and in palette_entries.
std::int32_t set_palette(const PaletteEntry* palette);
// Moves the colours of entries first to last one place up, the last colour to the first.
std::int32_t rotate_palette(std::int32_t first, std::int32_t last);
// Runs one BLINK_ command on the blinker table, with a blinker or a slot.
std::int32_t blink_palette(std::int32_t command, PaletteBlinker* blinker, std::int32_t slot);
// Frees every slot of the blinker table, as the first blink_palette call does; the table
// otherwise lasts as long as the program, so a test that starts afresh calls this.
void blink_palette_reset();
