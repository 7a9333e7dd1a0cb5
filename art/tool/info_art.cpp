#include "art/tool/info_art.h"

#include "art/tool/backdrop.h"
#include "art/tool/palette_design.h"
#include "art/tool/scenery.h"
#include "art/tool/sprite_sheets.h"

#include <string>
#include <brambleleap_version.h>

namespace {

const std::uint8_t INK = ramp_colour(RAMP_BROWN, 1);

TextStyle body_style() {
    TextStyle style;
    style.pixel_size = 14;
    style.colour = INK;
    return style;
}

void draw_heading(Canvas& canvas, Fonts& fonts, int baseline, const char* text) {
    const TextStyle style{.pixel_size = 30,
                          .bold = true,
                          .outline = ramp_colour(RAMP_RED, 0),
                          .shadow = ramp_colour(RAMP_CREAM, 4),
                          .shadow_offset = 2,
                          .gradient = &RAMP_RED,
                          .gradient_top = 11,
                          .gradient_bottom = 5};
    draw_text_centred(canvas, fonts, style, 320, baseline, text);
}

// A key drawn as a keyboard key, so the controls read at a glance; returns its right edge.
int draw_keycap(Canvas& canvas, Fonts& fonts, int x, int baseline, const char* label) {
    TextStyle style;
    style.pixel_size = 12;
    style.bold = true;
    style.colour = ramp_colour(RAMP_GREY, 1);
    const int width = text_advance(fonts, style, label) + 10;
    const int top = baseline - 13, height = 18;
    fill_rect(canvas, x + 1, top + 1, width - 2, height - 1, ramp_colour(RAMP_GREY, 8));
    fill_rect(canvas, x + 2, top + 1, width - 4, height - 5, ramp_colour(RAMP_GREY, 13));
    draw_hline(canvas, x + 2, x + width - 3, top + 1, ramp_colour(RAMP_GREY, 14));
    draw_hline(canvas, x + 1, x + width - 2, top, ramp_colour(RAMP_GREY, 2));
    draw_hline(canvas, x + 1, x + width - 2, top + height, ramp_colour(RAMP_GREY, 2));
    draw_vline(canvas, x, top + 1, top + height - 1, ramp_colour(RAMP_GREY, 2));
    draw_vline(canvas, x + width - 1, top + 1, top + height - 1, ramp_colour(RAMP_GREY, 2));
    draw_text(canvas, fonts, style, x + 5, baseline - 1, label);
    return x + width;
}

// One line mixing plain words and keys: a key is written between square brackets.
void draw_control_line(Canvas& canvas, Fonts& fonts, int x, int baseline, const std::string& line) {
    const TextStyle style = body_style();
    std::size_t pos = 0;
    while (pos < line.size()) {
        const std::size_t open = line.find('[', pos);
        const std::string plain =
            line.substr(pos, open == std::string::npos ? std::string::npos : open - pos);
        x = draw_text(canvas, fonts, style, x, baseline, plain);
        if (open == std::string::npos) break;
        const std::size_t close = line.find(']', open);
        if (close == std::string::npos) break;
        x = draw_keycap(canvas, fonts, x, baseline,
                        line.substr(open + 1, close - open - 1).c_str()) +
            1;
        pos = close + 1;
    }
}

void draw_label(Canvas& canvas, Fonts& fonts, int x, int baseline, const char* text) {
    TextStyle style = body_style();
    style.bold = true;
    style.colour = ramp_colour(RAMP_GREEN, 2);
    draw_text(canvas, fonts, style, x, baseline, text);
}

void draw_back_hint(Canvas& canvas, Fonts& fonts) {
    const std::string line = "Press [Esc] to go back to the menu";
    // Centred by measuring the same line drawn into a scratch picture.
    Canvas scratch = canvas_make(640, 40, 0);
    draw_control_line(scratch, fonts, 0, 20, line);
    int right = 0;
    for (int y = 0; y < scratch.height; ++y)
        for (int x = 0; x < scratch.width; ++x)
            if (canvas_get(scratch, x, y) != 0 && x > right) right = x;
    draw_control_line(canvas, fonts, 320 - right / 2, 420, line);
}

Canvas parchment_screen() {
    Canvas canvas = draw_screen_backdrop();
    draw_panel(canvas, 40, 24, 560, 420, RAMP_CREAM, 12);
    return canvas;
}

} // namespace

Canvas draw_help_screen(Fonts& fonts, const PixelGrids& grids) {
    Canvas canvas = parchment_screen();
    draw_heading(canvas, fonts, 70, "How to play");
    const TextStyle body = body_style();
    draw_text_centred(canvas, fonts, body, 320, 104,
                      "Run and leap across the bramble hills. Climb the floating");
    draw_text_centred(canvas, fonts, body, 320, 122,
                      "islands and find the golden block that hums with light.");
    struct Control {
        const char* label;
        const char* keys;
    };
    const Control controls[] = {
        {"Walk", "[Right]  [Left]   or   [D]  [A]"},
        {"Run", "hold  [Delete]  or  [Z]  while walking"},
        {"Jump", "[Page Down]  or  [C]  -  hold it to jump higher"},
        {"Play", "[Enter]  on Start game, or  [S]  in the menu"},
        {"Menu", "[Esc]  goes back to the menu; in the menu it quits"},
        {"Mouse", "click an entry of the menu to choose it"},
        {"Pad", "[D-pad]/stick walk  [A] jump  [X] run  [Start]  [Back]"},
    };
    int baseline = 156;
    for (const Control& c : controls) {
        draw_label(canvas, fonts, 84, baseline, c.label);
        draw_control_line(canvas, fonts, 160, baseline, c.keys);
        baseline += 25;
    }
    draw_text(canvas, fonts, body, 84, 344,
              "Tips: steps and slopes are climbed just by walking on.");
    draw_text(canvas, fonts, body, 84, 364,
              "Bump the block from below, or land on top and rest there.");
    if (const Canvas* air = find_grid(grids, "air"))
        blit_canvas(canvas, scale_canvas(*air, 2), 520, 322, COLOUR_TRANSPARENT);
    draw_back_hint(canvas, fonts);
    return canvas;
}

Canvas draw_about_screen(Fonts& fonts, const PixelGrids& grids) {
    Canvas canvas = parchment_screen();
    draw_heading(canvas, fonts, 70, "About Brambleleap 2005");
    const TextStyle body = body_style();
    const char* lines[] = {
        "A small platform game about a leaf-capped wanderer",
        "who hops across the bramble hills.",
        "",
        "It runs at 640 x 480 in 256 colours through DirectDraw 7,",
        "on its own little 2D engine: bitmaps, palettes, sprites",
        "and pixel-exact collision with the ground.",
        "",
        "Version " BRAMBLELEAP_VERSION ", free software under the zlib licence.",
        "Thank you for playing!",
    };
    int baseline = 112;
    for (const char* line : lines) {
        draw_text_centred(canvas, fonts, body, 320, baseline, line);
        baseline += 21;
    }
    if (const Canvas* stand = find_grid(grids, "stand"))
        blit_canvas(canvas, scale_canvas(*stand, 2), 250, 312, COLOUR_TRANSPARENT);
    Canvas block;
    std::string error;
    if (build_block_frame(grids, 0, block, error))
        blit_canvas(canvas, scale_canvas(block, 2), 330, 312, COLOUR_TRANSPARENT);
    draw_back_hint(canvas, fonts);
    return canvas;
}
