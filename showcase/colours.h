// Palette indices of the game's palette ("PALDATA2.PAL") that the showcase draws with:
// each ramp runs from dark to light.
#pragma once

#include <cstdint>

constexpr std::int32_t BLACK = 0;
constexpr std::int32_t GREY = 1; // 15 entries, the last white
constexpr std::int32_t WHITE = 15;
constexpr std::int32_t SKY = 16;   // 32 entries
constexpr std::int32_t GREEN = 48; // 16 entries from here on
constexpr std::int32_t BROWN = 64;
constexpr std::int32_t RED = 88;
constexpr std::int32_t GOLD = 104;
constexpr std::int32_t BLUE = 120;
constexpr std::int32_t PURPLE = 136;
constexpr std::int32_t SLATE = 152;
constexpr std::int32_t TEAL = 171;
constexpr std::int32_t ORANGE = 187;
constexpr std::int32_t MOSS = 203;
constexpr std::int32_t CREAM = 219;
constexpr std::int32_t PINK = 235;
constexpr std::int32_t RAMP_LENGTH = 16;
// Entries the artwork leaves black and unused: free for blinking.
constexpr std::int32_t SPARE_ENTRIES[] = {168, 169, 251, 252};
// The sheets' see-through colour.
constexpr std::int32_t TRANSPARENT_INDEX = 253;
