// GDI text on a surface's device context: text colour, background mode and TextOutA.
#include "platform/ddraw/ddraw_blit.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_palette.h"
#include "platform/ddraw/ddraw_screen.h"
#include "platform/ddraw/ddraw_surface.h"
#include "platform/ddraw/ddraw_surface_dc.h"
#include "platform/gdi.h"
#include "platform/gdi/gdi_font.h"

#include <algorithm>

namespace {

int red_of(COLORREF c) {
    return static_cast<int>(c & 0xFF);
}
int green_of(COLORREF c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
int blue_of(COLORREF c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The palette that text on this surface is matched against: its own, else the screen's.
const PALETTEENTRY* text_palette(const DdSurface* surface) {
    if (surface->palette) return ddraw_palette_entries(surface->palette);
    return ddraw_screen_palette();
}

// The palette entry closest to the colour; the lowest index wins a tie.
int nearest_index(const PALETTEENTRY* palette, COLORREF color) {
    if (!palette) return 0;
    int best = 0;
    long best_distance = -1;
    for (int i = 0; i < 256; ++i) {
        long dr = palette[i].peRed - red_of(color);
        long dg = palette[i].peGreen - green_of(color);
        long db = palette[i].peBlue - blue_of(color);
        long distance = dr * dr + dg * dg + db * db;
        if (best_distance < 0 || distance < best_distance) {
            best = i;
            best_distance = distance;
            if (!distance) break;
        }
    }
    return best;
}

std::uint16_t pack(COLORREF color, int bpp) {
    unsigned r = static_cast<unsigned>(red_of(color)), g = static_cast<unsigned>(green_of(color)),
             b = static_cast<unsigned>(blue_of(color));
    if (bpp == 15) return static_cast<std::uint16_t>((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3));
    return static_cast<std::uint16_t>((r >> 3) << 11 | (g >> 2) << 5 | (b >> 3));
}

struct TextTarget {
    std::uint8_t* pixels;
    LONG pitch;
    int width;
    int height;
    int bpp;
};

void fill_cell(const TextTarget& t, long long left, long long top, long long right,
               long long bottom, DWORD value) {
    RECT r;
    r.left = static_cast<LONG>(std::max<long long>(left, 0));
    r.top = static_cast<LONG>(std::max<long long>(top, 0));
    r.right = static_cast<LONG>(std::min<long long>(right, t.width));
    r.bottom = static_cast<LONG>(std::min<long long>(bottom, t.height));
    if (r.left >= r.right || r.top >= r.bottom) return;
    ddraw_fill_rect(t.pixels, t.pitch, ddraw_bytes_per_pixel(t.bpp), r, value);
}

void draw_glyph(const TextTarget& t, const GdiGlyph& glyph, long long origin_x, long long origin_y,
                DWORD value) {
    for (int gy = 0; gy < glyph.rows; ++gy) {
        long long y = origin_y + gy;
        if (y < 0 || y >= t.height) continue;
        std::uint8_t* row = t.pixels + y * t.pitch;
        const std::uint8_t* coverage =
            glyph.coverage.data() + static_cast<size_t>(gy) * glyph.width;
        for (int gx = 0; gx < glyph.width; ++gx) {
            long long x = origin_x + gx;
            if (!coverage[gx] || x < 0 || x >= t.width) continue;
            if (t.bpp == 8)
                row[x] = static_cast<std::uint8_t>(value);
            else
                reinterpret_cast<std::uint16_t*>(row)[x] = static_cast<std::uint16_t>(value);
        }
    }
}

// How far the pen moves over the text.
long long text_advance(const unsigned char* bytes, int length) {
    long long advance = 0;
    for (int i = 0; i < length; ++i) {
        const GdiGlyph* glyph = gdi_glyph(bytes[i]);
        if (glyph) advance += glyph->advance;
    }
    return advance;
}

} // namespace

COLORREF SetTextColor(HDC handle, COLORREF color) {
    SurfaceDc* dc = ddraw_find_dc(handle);
    if (!dc) return CLR_INVALID;
    COLORREF previous = dc->text_color;
    dc->text_color = color & 0x00FFFFFF;
    return previous;
}

int SetBkMode(HDC handle, int mode) {
    SurfaceDc* dc = ddraw_find_dc(handle);
    if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
    int previous = dc->background_mode;
    dc->background_mode = mode;
    return previous;
}

BOOL TextOutA(HDC handle, int x, int y, LPCSTR text, int length) {
    SurfaceDc* dc = ddraw_find_dc(handle);
    if (!dc || length < 0 || (length > 0 && !text)) return FALSE;
    GdiFontMetrics metrics;
    if (!gdi_font_metrics(&metrics)) return FALSE;
    DdSurface* surface = dc->surface;
    const TextTarget target = {surface->pixels, surface->pitch, surface->width, surface->height,
                               surface->bpp};
    DWORD text_value, background_value;
    if (surface->bpp == 8) {
        const PALETTEENTRY* palette = text_palette(surface);
        text_value = static_cast<DWORD>(nearest_index(palette, dc->text_color));
        background_value = static_cast<DWORD>(nearest_index(palette, dc->background_color));
    } else {
        text_value = pack(dc->text_color, surface->bpp);
        background_value = pack(dc->background_color, surface->bpp);
    }

    const unsigned char* bytes = reinterpret_cast<const unsigned char*>(text);
    if (dc->background_mode == OPAQUE) {
        fill_cell(target, x, y, x + text_advance(bytes, length),
                  static_cast<long long>(y) + metrics.cell_height, background_value);
    }
    long long pen = x;
    const long long baseline = static_cast<long long>(y) + metrics.ascent;
    for (int i = 0; i < length; ++i) {
        const GdiGlyph* glyph = gdi_glyph(bytes[i]);
        if (!glyph) continue;
        draw_glyph(target, *glyph, pen + glyph->left, baseline - glyph->top, text_value);
        pen += glyph->advance;
    }
    ddraw_primary_changed(surface);
    return TRUE;
}

BOOL GetTextExtentPoint32A(HDC handle, LPCSTR text, int length, LPSIZE size) {
    if (!ddraw_find_dc(handle) || !size || length < 0 || (length > 0 && !text)) return FALSE;
    GdiFontMetrics metrics;
    if (!gdi_font_metrics(&metrics)) return FALSE;
    long long advance = text_advance(reinterpret_cast<const unsigned char*>(text), length);
    size->cx = static_cast<LONG>(advance > 0x7FFFFFFF ? 0x7FFFFFFF : advance);
    size->cy = metrics.cell_height;
    return TRUE;
}
