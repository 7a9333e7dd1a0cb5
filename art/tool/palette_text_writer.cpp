// Writing the game's palette as palette text.
#include "art/tool/palette_text_writer.h"
#include "formats/palette_text.h"

#include <cstdio>

bool write_palette_text(const std::string& path, const GamePalette& palette) {
    // Binary mode: the file must read the same on every platform the data ships to,
    // so each line break is a single '\n'.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    const bool written = palette_text_write(file, palette.data());
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
