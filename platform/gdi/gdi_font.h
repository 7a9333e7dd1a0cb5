// The device contexts' one default font rendered by FreeType: DejaVu Sans, or fontconfig's
// sans-serif face where it is missing; loaded once, each single-byte glyph kept after its use.
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

// For tests: the only font file TextOutA draws with (null: the default, then fontconfig's).
// Forgets a font already loaded, so the next TextOutA loads this one.
void gdi_set_font_path(const char* path);
