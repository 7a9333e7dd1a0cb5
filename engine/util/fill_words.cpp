// Runs of 16-bit pixels, the word counterpart of a byte fill.
#include "engine/util/lines.h"

#include <cstring>

void fill_words(std::uint16_t* address, std::uint16_t value, std::int32_t count) {
    if (count <= 0) return;
    // Four words per store: the compiler turns each 8-byte copy into one move.
    const std::uint64_t four = value * 0x0001000100010001ULL;
    std::int32_t i = 0;
    for (; count - i >= 4; i += 4) std::memcpy(address + i, &four, sizeof four);
    for (; i < count; ++i) address[i] = value;
}
