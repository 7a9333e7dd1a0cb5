// The game's one 256-colour palette: named colour ramps, the reserved indices, and the
// builder that fills the table every picture of the game shares.
#pragma once

#include "formats/palette_entry.h"

#include <array>
#include <cstdint>
#include <string_view>

using GamePalette = std::array<PaletteEntry, 256>;

// Indices with a fixed meaning for the game itself.
constexpr std::uint8_t COLOUR_BLACK = 0;
constexpr std::uint8_t COLOUR_GROUND = 170;
constexpr std::uint8_t COLOUR_TRANSPARENT = 253;

// A ramp is a run of palette entries from dark (offset 0) to light.
struct ColourRamp {
    const char* name;
    std::uint8_t first;
    std::uint8_t count;
};

constexpr ColourRamp RAMP_GREY{"grey", 1, 15};       // 15 is white
constexpr ColourRamp RAMP_SKY{"sky", 16, 32};        // deep blue to pale horizon
constexpr ColourRamp RAMP_GREEN{"green", 48, 16};    // foliage and grass
constexpr ColourRamp RAMP_BROWN{"brown", 64, 16};    // bark, wood, leather
constexpr ColourRamp RAMP_SKIN{"skin", 80, 8};       // faces and hands
constexpr ColourRamp RAMP_RED{"red", 88, 16};        // berries, scarf, brambles
constexpr ColourRamp RAMP_GOLD{"gold", 104, 16};     // the block, the title
constexpr ColourRamp RAMP_BLUE{"blue", 120, 16};     // clothes, menu panels
constexpr ColourRamp RAMP_PURPLE{"purple", 136, 16}; // dusk, far mountains
constexpr ColourRamp RAMP_SLATE{"slate", 152, 16};   // stone, distant hills
constexpr ColourRamp RAMP_TEAL{"teal", 171, 16};     // mid-distance hills, water
constexpr ColourRamp RAMP_ORANGE{"orange", 187, 16}; // sunset glow, flowers
constexpr ColourRamp RAMP_MOSS{"moss", 203, 16};     // near hills behind the ground
constexpr ColourRamp RAMP_CREAM{"cream", 219, 16};   // parchment, cloud tops
constexpr ColourRamp RAMP_PINK{"pink", 235, 16};     // blossoms, cloud undersides

constexpr ColourRamp ALL_RAMPS[] = {RAMP_GREY, RAMP_SKY,    RAMP_GREEN, RAMP_BROWN,  RAMP_SKIN,
                                    RAMP_RED,  RAMP_GOLD,   RAMP_BLUE,  RAMP_PURPLE, RAMP_SLATE,
                                    RAMP_TEAL, RAMP_ORANGE, RAMP_MOSS,  RAMP_CREAM,  RAMP_PINK};

// The entry `step` places up a ramp, clamped to the ramp's ends.
constexpr std::uint8_t ramp_colour(const ColourRamp& ramp, int step) {
    if (step < 0) step = 0;
    if (step >= ramp.count) step = ramp.count - 1;
    return static_cast<std::uint8_t>(ramp.first + step);
}

// Looks a ramp up by name; null when there is none.
const ColourRamp* find_ramp(std::string_view name);

GamePalette build_game_palette();
