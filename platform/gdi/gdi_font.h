// The device contexts' one default font: DejaVu Sans rendered by FreeType, loaded once, with
// every single-byte character's glyph kept after its first use.
#pragma once

#include <cstdint>
#include <vector>

struct GdiGlyph {
    int width;
    int rows;
    int left;                           // from the pen position to the bitmap's first column
    int top;                            // from the baseline up to the bitmap's first row
    int advance;                        // pen movement in pixels
    std::vector<std::uint8_t> coverage; // width * rows, 0 (background) or 255 (ink)
};

struct GdiFontMetrics {
    int ascent;      // from the cell's top to the baseline
    int cell_height; // ascent plus descent
};

// 1 when the font is (now) loaded; 0 when its file is missing or unreadable.
int gdi_font_metrics(GdiFontMetrics* metrics);
// The hard-edged glyph of single-byte character `c`; null when the font is missing.
const GdiGlyph* gdi_glyph(unsigned char c);

// For tests: the font file TextOutA draws with (null: the default DejaVu Sans). Forgets a font
// already loaded, so the next TextOutA loads this one.
void gdi_set_font_path(const char* path);
