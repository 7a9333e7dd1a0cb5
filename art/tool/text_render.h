// Text for the artwork: DejaVu glyphs rendered by FreeType as hard-edged 1-bit masks
// (a palettised screen has no colours to blend with) and stamped in palette colours,
// with optional drop shadow, outline and top-to-bottom colour gradient.
#pragma once

#include "art/tool/canvas.h"
#include "art/tool/palette_design.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <string_view>
#include <vector>

struct Fonts {
    FT_Library library = nullptr;
    FT_Face regular = nullptr;
    FT_Face bold = nullptr;
};

// False (and nothing left open) when FreeType or either font file cannot be loaded.
bool fonts_open(Fonts& fonts, const char* regular_path, const char* bold_path);
void fonts_close(Fonts& fonts);

constexpr int NO_COLOUR = -1;

struct TextStyle {
    int pixel_size = 14;
    bool bold = false;
    int colour = 15;         // palette index of the letters
    int outline = NO_COLOUR; // one-pixel ring around every letter
    int shadow = NO_COLOUR;  // copy of the letters (and outline) further down-right
    int shadow_offset = 1;
    const ColourRamp* gradient = nullptr; // when set, letters shade down this ramp
    int gradient_top = 0;                 // ramp step at the top of the letters
    int gradient_bottom = 0;              // ramp step at the bottom
};

// The letters of one line as a mask: `bits` is width x height, 1 where ink is;
// (left, top) is the mask's corner relative to the pen start on the baseline.
struct TextMask {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int advance = 0;
    std::vector<std::uint8_t> bits;
};

TextMask render_text_mask(Fonts& fonts, const TextStyle& style, std::string_view text);

// Pixels the letters cover once outline and shadow are added, as an inclusive box.
struct InkBox {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
};

InkBox text_ink_box(Fonts& fonts, const TextStyle& style, int x, int baseline,
                    std::string_view text);
int text_advance(Fonts& fonts, const TextStyle& style, std::string_view text);

// Draws one line with its pen starting at (x, baseline); returns the pen's end x.
int draw_text(Canvas& canvas, Fonts& fonts, const TextStyle& style, int x, int baseline,
              std::string_view text);
int draw_text_centred(Canvas& canvas, Fonts& fonts, const TextStyle& style, int centre_x,
                      int baseline, std::string_view text);
