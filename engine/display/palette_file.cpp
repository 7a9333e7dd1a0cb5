// Palette text files: 256 entries of red, green, blue and flags as decimal numbers.
#include "engine/display/palette.h"

#include <cctype>
#include <cstdio>

// Reads one decimal integer after optional whitespace, as "%d" would, and gives its low
// 8 bits. Digits are folded in modulo 256, so an absurdly long number cannot overflow.
// Returns false, consuming nothing useful, at the end of the file or at text that is not
// a number.
static bool read_number_byte(std::FILE* file, std::uint8_t* value) {
    int c = std::fgetc(file);
    while (c != EOF && std::isspace(c))
        c = std::fgetc(file);
    bool negative = false;
    if (c == '+' || c == '-') {
        negative = c == '-';
        c = std::fgetc(file);
    }
    if (c == EOF || !std::isdigit(c)) return false;
    unsigned int low_bits = 0;
    while (c != EOF && std::isdigit(c)) {
        low_bits = (low_bits * 10u + static_cast<unsigned int>(c - '0')) & 0xFFu;
        c = std::fgetc(file);
    }
    if (c != EOF) std::ungetc(c, file);
    *value = static_cast<std::uint8_t>(negative ? (0u - low_bits) & 0xFFu : low_bits);
    return true;
}

std::int32_t load_palette_file(const char* name, PaletteEntry* palette) {
    if (name == nullptr || palette == nullptr) return 0;
    std::FILE* file = std::fopen(name, "r");
    if (file == nullptr) return 0;
    // Reading stops for good at the first field that is missing or not a number; that
    // field and all later ones keep what the palette held.
    bool reading = true;
    for (int index = 0; index < 256 && reading; ++index) {
        std::uint8_t* fields[4] = {&palette[index].red, &palette[index].green, &palette[index].blue,
                                   &palette[index].flags};
        for (std::uint8_t* field : fields) {
            std::uint8_t value = 0;
            if (!read_number_byte(file, &value)) {
                reading = false;
                break;
            }
            *field = value;
        }
    }
    std::fclose(file);
    return 1;
}

std::int32_t save_palette_file(const char* name, const PaletteEntry* palette) {
    if (name == nullptr || palette == nullptr) return 0;
    std::FILE* file = std::fopen(name, "w");
    if (file == nullptr) return 0;
    for (int index = 0; index < 256; ++index) {
        const PaletteEntry& entry = palette[index];
        std::fprintf(file, "\n%d %d %d %d", entry.red, entry.green, entry.blue, entry.flags);
    }
    // A full disk shows up only at the close; the caller must not believe the file whole.
    bool written = std::ferror(file) == 0;
    if (std::fclose(file) != 0) written = false;
    return written ? 1 : 0;
}
