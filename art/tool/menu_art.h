// The title menu: one full picture per highlighted entry, identical but for the
// highlight, with each entry's name inside the rectangle the game answers clicks in.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/pixel_grid.h"
#include "art/tool/text_render.h"

#include <string>

struct MenuEntry {
    const char* name;   // starts with the entry's key letter
    int x0, y0, x1, y1; // click rectangle, inclusive
};

constexpr MenuEntry MENU_ENTRIES[4] = {{"Start game", 247, 274, 384, 289},
                                       {"Help", 247, 298, 319, 313},
                                       {"About", 247, 322, 298, 337},
                                       {"Quit", 247, 346, 296, 364}};

// Entry text colours: the key letter and the rest of an entry, plain and highlighted.
extern const std::uint8_t MENU_KEY_COLOUR;
extern const std::uint8_t MENU_TEXT_COLOUR;
extern const std::uint8_t MENU_SELECTED_COLOUR;

// Draws the menu with entry `selected` (0 to 3) highlighted. Fails, naming the entry,
// when an entry's letters would not fit inside its rectangle.
bool draw_menu(Canvas& canvas, Fonts& fonts, const PixelGrids& grids, int selected,
               std::string& error);
