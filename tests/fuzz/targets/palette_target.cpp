// Fuzz target: the palette file reader on any text, and the writer's output read back.
// A readable file always loads; the fields it sets are a prefix of the palette (reading
// stops for good at the first missing or malformed field) and every later field keeps what
// the caller's palette held; saving a palette and loading the file gives the same bytes.
//
// Input: the file's contents.
#include "fuzz_input.h"

#include "engine/display/palette.h"

#include <cstring>

namespace {

void expect_round_trip(const Palette palette) {
    const char* name = fuzz_file(nullptr, 0, 1);
    fuzz_require(save_palette_file(name, palette) == 1, "a palette saves");
    Palette loaded;
    std::memset(loaded, 0x5A, sizeof loaded);
    fuzz_require(load_palette_file(name, loaded) == 1, "a saved palette loads");
    fuzz_require(std::memcmp(palette, loaded, sizeof loaded) == 0,
                 "a saved palette loads to the same bytes");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* name = fuzz_file(data, size);
    Palette low, high;
    std::memset(low, 0x00, sizeof low);
    std::memset(high, 0xFF, sizeof high);
    fuzz_require(load_palette_file(name, low) == 1, "a readable file loads");
    fuzz_require(load_palette_file(name, high) == 1, "a readable file loads twice");
    // A field read holds the same value in both; a field left alone holds each one's own.
    const auto* a = reinterpret_cast<const std::uint8_t*>(low);
    const auto* b = reinterpret_cast<const std::uint8_t*>(high);
    bool reading = true;
    for (std::size_t i = 0; i < sizeof low; ++i) {
        if (a[i] != b[i]) reading = false;
        fuzz_require(reading ? a[i] == b[i] : a[i] == 0x00 && b[i] == 0xFF,
                     "the fields read are a prefix, and the others keep their values");
    }
    expect_round_trip(low);
    expect_round_trip(high);
    return 0;
}
