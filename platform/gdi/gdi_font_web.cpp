// The device contexts' font in the browser build, which carries neither FreeType nor a font
// file: the font is missing, so text draws nothing and measures as nothing, as on a system
// without the font.
#include "platform/gdi/gdi_font.h"

int gdi_font_metrics(GdiFontMetrics*) {
    return 0;
}

const GdiGlyph* gdi_glyph(unsigned char) {
    return nullptr;
}

void gdi_set_font_path(const char*) {}
