// Palette text files by name: 256 entries of red, green, blue and flags as decimal numbers.
#include "engine/display/palette.h"
#include "formats/palette_text.h"

#include <cstdio>
#include <cstring>

std::int32_t load_palette_file(const char* name, PaletteEntry* palette) {
    if (name == nullptr || palette == nullptr) return 0;
    std::FILE* file = std::fopen(name, "r");
    if (file == nullptr) return 0;
    // The fields go into a copy first: a read that fails part way (a folder opened by
    // mistake, a failing disk) is no short file, and the caller's palette stays untouched.
    Palette read;
    std::memcpy(read, palette, sizeof read);
    palette_text_read(file, read);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed) return 0;
    std::memcpy(palette, read, sizeof read);
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
