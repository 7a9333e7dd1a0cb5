// True-colour pictures in a bitmap record: red, green, blue and alpha bytes packed into the
// display's 16-bit words, and mapped to the nearest colours of an 8-bit palette.
#pragma once

#include "engine/display/palette_entry.h"

#include <cstddef>
#include <cstdint>

// Alpha values below this are transparent: such pixels become the key of a cut.
constexpr std::uint8_t PICTURE_OPAQUE_FROM = 128;

// One pixel as a 16-bit word: 5.5.5 when `rgb_bits` is 15, 5.6.5 otherwise; red high.
std::uint16_t picture_word(const std::uint8_t* rgba, std::int32_t rgb_bits);
// A 16-bit word back to its colour (each channel widened to 8 bits) in the same layouts.
void picture_word_colour(std::uint16_t word, std::int32_t rgb_bits, std::uint8_t* rgb);

// Makes palette_nearest map to this palette with this key (0 to 255); answers found for
// another palette or key are forgotten. Call it before each picture mapped.
void palette_nearest_use(const PaletteEntry* palette, std::int32_t key);
// The palette index for a colour: the key for exactly the key entry's colour, otherwise the
// entry nearest in red, green and blue (least squared distance, the lowest index on a tie)
// among all entries but the key.
std::uint8_t palette_nearest(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
