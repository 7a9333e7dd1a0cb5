// Where the menu's entries lie and which colours their letters take: the game answers
// clicks in these rectangles, so every letter of an entry must fall inside its own.
#pragma once

#include "art/tool/palette_design.h"

#include <cstdint>

struct MenuEntry {
    const char* name;   // starts with the entry's key letter
    int x0, y0, x1, y1; // click rectangle, inclusive
};

constexpr MenuEntry MENU_ENTRIES[4] = {{"Start game", 247, 274, 384, 289},
                                       {"Help", 247, 298, 319, 313},
                                       {"About", 247, 322, 298, 337},
                                       {"Quit", 247, 346, 296, 364}};

// The key letter of a plain entry, the rest of a plain entry, a highlighted entry.
constexpr std::uint8_t MENU_KEY_COLOUR = ramp_colour(RAMP_GOLD, 12);
constexpr std::uint8_t MENU_TEXT_COLOUR = ramp_colour(RAMP_BLUE, 14);
constexpr std::uint8_t MENU_SELECTED_COLOUR = ramp_colour(RAMP_GOLD, 14);
