#include "art/tool/menu_art.h"

#include "art/tool/backdrop.h"
#include "art/tool/palette_design.h"
#include "art/tool/scenery.h"
#include "art/tool/sprite_sheets.h"

#include <brambleleap_version.h>

namespace {

TextStyle entry_style() {
    TextStyle style;
    style.pixel_size = 15;
    style.bold = true;
    style.colour = MENU_TEXT_COLOUR;
    style.shadow = ramp_colour(RAMP_GREY, 0);
    return style;
}

void draw_title(Canvas& canvas, Fonts& fonts) {
    const TextStyle title{.pixel_size = 64,
                          .bold = true,
                          .outline = ramp_colour(RAMP_BROWN, 1),
                          .shadow = ramp_colour(RAMP_PURPLE, 1),
                          .shadow_offset = 4,
                          .gradient = &RAMP_GOLD,
                          .gradient_top = 15,
                          .gradient_bottom = 6};
    draw_text_centred(canvas, fonts, title, 320, 118, "Brambleleap");
    const TextStyle year{.pixel_size = 40,
                         .bold = true,
                         .outline = ramp_colour(RAMP_RED, 0),
                         .shadow = ramp_colour(RAMP_PURPLE, 1),
                         .shadow_offset = 3,
                         .gradient = &RAMP_RED,
                         .gradient_top = 14,
                         .gradient_bottom = 6};
    draw_vine(canvas, 150, 262, 150, 3);
    draw_vine(canvas, 378, 490, 150, 3);
    draw_text_centred(canvas, fonts, year, 320, 170, "2005");
    const TextStyle tag{.pixel_size = 13,
                        .colour = ramp_colour(RAMP_CREAM, 15),
                        .shadow = ramp_colour(RAMP_PURPLE, 1)};
    draw_text_centred(canvas, fonts, tag, 320, 204, "A leap through the bramble hills");
}

void draw_hints(Canvas& canvas, Fonts& fonts) {
    TextStyle hint;
    hint.pixel_size = 13;
    hint.colour = ramp_colour(RAMP_CREAM, 15);
    hint.shadow = ramp_colour(RAMP_GREY, 0);
    draw_text_centred(canvas, fonts, hint, 320, 402,
                      "Arrows + Enter, the keys S H A Q, or click with the mouse");
    TextStyle small = hint;
    small.pixel_size = 11;
    small.colour = ramp_colour(RAMP_BROWN, 13);
    draw_text_centred(canvas, fonts, small, 320, 466,
                      "Version " BRAMBLELEAP_VERSION "  -  Esc quits  -  (c) 2005");
}

// A small gold arrow pointing at the highlighted entry, left of the click rectangles.
void draw_marker(Canvas& canvas, int centre_y) {
    const int tip = 241;
    for (int i = 0; i < 7; ++i) {
        draw_vline(canvas, tip - 7 + i, centre_y - (6 - i), centre_y + (6 - i),
                   ramp_colour(RAMP_GREY, 0));
    }
    for (int i = 0; i < 6; ++i)
        draw_vline(canvas, tip - 7 + i, centre_y - (5 - i), centre_y + (5 - i),
                   ramp_colour(RAMP_GOLD, i < 2 ? 10 : 13));
}

bool draw_entry(Canvas& canvas, Fonts& fonts, const MenuEntry& entry, bool selected,
                std::string& error) {
    TextStyle style = entry_style();
    // Letters sit one pixel inside the rectangle's top; the rectangle must hold all ink.
    const InkBox at_zero = text_ink_box(fonts, style, 0, 0, entry.name);
    const int x = entry.x0 + 2;
    const int baseline = entry.y0 + 1 - at_zero.y0;
    const InkBox ink = text_ink_box(fonts, style, x, baseline, entry.name);
    if (ink.x0 < entry.x0 || ink.y0 < entry.y0 || ink.x1 > entry.x1 || ink.y1 > entry.y1) {
        error = std::string("menu entry '") + entry.name + "' does not fit its rectangle";
        return false;
    }
    if (selected) {
        // One bar height for every entry, though the last rectangle is taller, so the
        // highlight sits the same way on each line of text.
        constexpr int BAR_HEIGHT = 20;
        const int bar_width = ink.x1 - entry.x0 + 7;
        fill_rect(canvas, entry.x0 - 3, entry.y0 - 2, bar_width, BAR_HEIGHT,
                  ramp_colour(RAMP_BLUE, 8));
        frame_rect(canvas, entry.x0 - 3, entry.y0 - 2, bar_width, BAR_HEIGHT,
                   ramp_colour(RAMP_BLUE, 12));
        draw_marker(canvas, entry.y0 + BAR_HEIGHT / 2 - 3);
        style.colour = MENU_SELECTED_COLOUR;
        draw_text(canvas, fonts, style, x, baseline, entry.name);
        return true;
    }
    // The key letter stands out so the player sees which key picks the entry.
    const char first[2] = {entry.name[0], 0};
    TextStyle key = style;
    key.colour = MENU_KEY_COLOUR;
    key.shadow = NO_COLOUR; // the shadow is already there
    draw_text(canvas, fonts, style, x, baseline, entry.name);
    draw_text(canvas, fonts, key, x, baseline, first);
    return true;
}

} // namespace

bool draw_menu(Canvas& canvas, Fonts& fonts, const PixelGrids& grids, int selected,
               std::string& error) {
    canvas = draw_screen_backdrop();
    draw_title(canvas, fonts);
    draw_panel(canvas, 212, 256, 216, 126, RAMP_BLUE, 4);
    if (const Canvas* wave = find_grid(grids, "wave"))
        blit_canvas(canvas, scale_canvas(*wave, 2), 70, MEADOW_TOP - 66, COLOUR_TRANSPARENT);
    Canvas block;
    if (build_block_frame(grids, 0, block, error))
        blit_canvas(canvas, scale_canvas(block, 2), 500, 286, COLOUR_TRANSPARENT);
    draw_hints(canvas, fonts);
    for (int i = 0; i < 4; ++i)
        if (!draw_entry(canvas, fonts, MENU_ENTRIES[i], i == selected, error)) return false;
    return true;
}
