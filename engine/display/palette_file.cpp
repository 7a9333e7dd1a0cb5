// Palette text files by name: 256 entries of red, green, blue and flags as decimal numbers.
#include "engine/display/palette.h"
#include "formats/palette_text.h"

#include <cstdio>

std::int32_t load_palette_file(const char* name, PaletteEntry* palette) {
    if (name == nullptr || palette == nullptr) return 0;
    std::FILE* file = std::fopen(name, "r");
    if (file == nullptr) return 0;
    palette_text_read(file, palette);
    std::fclose(file);
    return 1;
}

std::int32_t save_palette_file(const char* name, const PaletteEntry* palette) {
    if (name == nullptr || palette == nullptr) return 0;
    std::FILE* file = std::fopen(name, "w");
    if (file == nullptr) return 0;
    bool written = palette_text_write(file, palette);
    // A full disk shows up only at the close; the caller must not believe the file whole.
    if (std::fclose(file) != 0) written = false;
    return written ? 1 : 0;
}
