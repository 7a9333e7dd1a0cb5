#include "art/tool/palette_text_writer.h"

#include <cstdio>

bool write_palette_text(const std::string& path, const GamePalette& palette) {
    // Binary mode: the file must read the same on every platform the data ships to,
    // so each line break is a single '\n'.
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    bool written = true;
    for (const PALETTEENTRY& e : palette)
        written = written &&
                  std::fprintf(file, "\n%d %d %d %d", e.peRed, e.peGreen, e.peBlue, e.peFlags) > 0;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}
