// Reading and writing palette text, number by number.
#include "formats/palette_text.h"

#include <cctype>
#include <initializer_list>

namespace {

// Reads one decimal integer after optional whitespace, as "%d" would, and gives its low
// 8 bits. Digits are folded in modulo 256, so an absurdly long number cannot overflow.
// Returns false, consuming nothing useful, at the end of the file or at text that is not
// a number.
bool read_number_byte(std::FILE* file, std::uint8_t* value) {
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

} // namespace

void palette_text_read(std::FILE* file, PaletteEntry* entries) {
    for (int index = 0; index < 256; ++index) {
        PaletteEntry& entry = entries[index];
        for (std::uint8_t* field : {&entry.red, &entry.green, &entry.blue, &entry.flags}) {
            std::uint8_t value = 0;
            if (!read_number_byte(file, &value)) return;
            *field = value;
        }
    }
}

bool palette_text_write(std::FILE* file, const PaletteEntry* entries) {
    for (int index = 0; index < 256; ++index) {
        const PaletteEntry& entry = entries[index];
        std::fprintf(file, "\n%d %d %d %d", entry.red, entry.green, entry.blue, entry.flags);
    }
    return std::ferror(file) == 0;
}
