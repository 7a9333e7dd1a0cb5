// Runs of 16-bit pixels, the word counterpart of a byte fill.
#include "engine/util/lines.h"

#include <algorithm>

void fill_words(std::uint16_t* address, std::uint16_t value, std::int32_t count) {
    if (count <= 0) return;
    std::fill_n(address, count, value);
}
