#include "art/tool/text_render.h"

#include <algorithm>
#include <climits>

bool fonts_open(Fonts& fonts, const char* regular_path, const char* bold_path) {
    fonts = Fonts{};
    if (FT_Init_FreeType(&fonts.library) != 0) {
        fonts.library = nullptr;
        return false;
    }
    if (FT_New_Face(fonts.library, regular_path, 0, &fonts.regular) != 0) fonts.regular = nullptr;
    if (FT_New_Face(fonts.library, bold_path, 0, &fonts.bold) != 0) fonts.bold = nullptr;
    if (!fonts.regular || !fonts.bold) {
        fonts_close(fonts);
        return false;
    }
    return true;
}

void fonts_close(Fonts& fonts) {
    if (fonts.regular) FT_Done_Face(fonts.regular);
    if (fonts.bold) FT_Done_Face(fonts.bold);
    if (fonts.library) FT_Done_FreeType(fonts.library);
    fonts = Fonts{};
}

namespace {

struct PlacedGlyph {
    int x, y; // top-left of the glyph's bitmap relative to the pen start on the baseline
    int width, rows, pitch;
    std::vector<std::uint8_t> buffer;
};

// Only printable ASCII is drawn; the artwork's texts are all plain English.
std::vector<PlacedGlyph> layout_glyphs(Fonts& fonts, const TextStyle& style, std::string_view text,
                                       int& advance) {
    std::vector<PlacedGlyph> glyphs;
    advance = 0;
    FT_Face face = style.bold ? fonts.bold : fonts.regular;
    if (!face || style.pixel_size <= 0) return glyphs;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.pixel_size));
    long pen = 0; // 26.6 fixed point
    FT_UInt previous = 0;
    for (char ch : text) {
        const FT_UInt index = FT_Get_Char_Index(face, static_cast<unsigned char>(ch));
        if (previous && index && FT_HAS_KERNING(face)) {
            FT_Vector kern;
            if (FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &kern) == 0)
                pen += kern.x;
        }
        previous = index;
        if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT | FT_LOAD_TARGET_MONO) != 0) continue;
        if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0) continue;
        const FT_Bitmap& bitmap = face->glyph->bitmap;
        PlacedGlyph glyph;
        glyph.x = static_cast<int>(pen >> 6) + face->glyph->bitmap_left;
        glyph.y = -face->glyph->bitmap_top;
        glyph.width = static_cast<int>(bitmap.width);
        glyph.rows = static_cast<int>(bitmap.rows);
        glyph.pitch = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
        if (bitmap.buffer && glyph.width > 0 && glyph.rows > 0)
            glyph.buffer.assign(bitmap.buffer,
                                bitmap.buffer + static_cast<std::size_t>(glyph.pitch) * glyph.rows);
        else
            glyph.width = glyph.rows = 0;
        glyphs.push_back(std::move(glyph));
        pen += face->glyph->advance.x;
    }
    advance = static_cast<int>((pen + 32) >> 6);
    return glyphs;
}

bool mask_at(const TextMask& mask, int x, int y) {
    if (x < 0 || y < 0 || x >= mask.width || y >= mask.height) return false;
    return mask.bits[static_cast<std::size_t>(y) * mask.width + x] != 0;
}

int margin_of(const TextStyle& style) {
    return (style.outline != NO_COLOUR ? 1 : 0) +
           (style.shadow != NO_COLOUR ? std::max(style.shadow_offset, 0) : 0);
}

} // namespace

TextMask render_text_mask(Fonts& fonts, const TextStyle& style, std::string_view text) {
    TextMask mask;
    std::vector<PlacedGlyph> glyphs = layout_glyphs(fonts, style, text, mask.advance);
    int x0 = INT_MAX, y0 = INT_MAX, x1 = INT_MIN, y1 = INT_MIN;
    for (const PlacedGlyph& g : glyphs) {
        if (g.width == 0) continue;
        x0 = std::min(x0, g.x);
        y0 = std::min(y0, g.y);
        x1 = std::max(x1, g.x + g.width);
        y1 = std::max(y1, g.y + g.rows);
    }
    if (x0 >= x1 || y0 >= y1) return mask;
    mask.left = x0;
    mask.top = y0;
    mask.width = x1 - x0;
    mask.height = y1 - y0;
    mask.bits.assign(static_cast<std::size_t>(mask.width) * mask.height, 0);
    for (const PlacedGlyph& g : glyphs)
        for (int row = 0; row < g.rows; ++row)
            for (int col = 0; col < g.width; ++col)
                if (g.buffer[static_cast<std::size_t>(row) * g.pitch + col / 8] &
                    (0x80 >> (col % 8)))
                    mask.bits[static_cast<std::size_t>(g.y - y0 + row) * mask.width + g.x - x0 +
                              col] = 1;
    return mask;
}

int text_advance(Fonts& fonts, const TextStyle& style, std::string_view text) {
    int advance = 0;
    layout_glyphs(fonts, style, text, advance);
    return advance;
}

InkBox text_ink_box(Fonts& fonts, const TextStyle& style, int x, int baseline,
                    std::string_view text) {
    const TextMask mask = render_text_mask(fonts, style, text);
    InkBox box;
    if (mask.width == 0) return box;
    const int ring = style.outline != NO_COLOUR ? 1 : 0;
    const int drop = style.shadow != NO_COLOUR ? std::max(style.shadow_offset, 0) : 0;
    box.x0 = x + mask.left - ring;
    box.y0 = baseline + mask.top - ring;
    box.x1 = x + mask.left + mask.width - 1 + ring + drop;
    box.y1 = baseline + mask.top + mask.height - 1 + ring + drop;
    return box;
}

namespace {

// Whether any ink lies within `ring` pixels (a square) of (x, y).
bool ink_near(const TextMask& mask, int x, int y, int ring) {
    for (int dy = -ring; dy <= ring; ++dy)
        for (int dx = -ring; dx <= ring; ++dx)
            if (mask_at(mask, x + dx, y + dy)) return true;
    return false;
}

// Paints, in one colour, the letters grown by `ring` and moved by `shift` down and right,
// over the mask's area widened by `reach` on every side.
void stamp_grown(Canvas& canvas, const TextMask& mask, int ox, int oy, int reach, int shift,
                 int ring, int colour) {
    for (int y = -reach; y < mask.height + reach; ++y)
        for (int x = -reach; x < mask.width + reach; ++x)
            if (ink_near(mask, x - shift, y - shift, ring))
                canvas_put(canvas, ox + x, oy + y, static_cast<std::uint8_t>(colour));
}

// The letters themselves, in one colour or shaded row by row down a ramp.
void stamp_letters(Canvas& canvas, const TextMask& mask, const TextStyle& style, int ox, int oy) {
    for (int y = 0; y < mask.height; ++y) {
        int colour = style.colour;
        if (style.gradient) {
            const int span = std::max(mask.height - 1, 1);
            const int step =
                style.gradient_top + (style.gradient_bottom - style.gradient_top) * y / span;
            colour = ramp_colour(*style.gradient, step);
        }
        for (int x = 0; x < mask.width; ++x)
            if (mask_at(mask, x, y))
                canvas_put(canvas, ox + x, oy + y, static_cast<std::uint8_t>(colour));
    }
}

} // namespace

int draw_text(Canvas& canvas, Fonts& fonts, const TextStyle& style, int x, int baseline,
              std::string_view text) {
    const TextMask mask = render_text_mask(fonts, style, text);
    const int ox = x + mask.left, oy = baseline + mask.top;
    const int ring = style.outline != NO_COLOUR ? 1 : 0;
    // Layers go back to front: shadow, outline, letters.
    if (style.shadow != NO_COLOUR)
        stamp_grown(canvas, mask, ox, oy, margin_of(style), style.shadow_offset, ring,
                    style.shadow);
    if (style.outline != NO_COLOUR) stamp_grown(canvas, mask, ox, oy, 1, 0, 1, style.outline);
    stamp_letters(canvas, mask, style, ox, oy);
    return x + mask.advance;
}

int draw_text_centred(Canvas& canvas, Fonts& fonts, const TextStyle& style, int centre_x,
                      int baseline, std::string_view text) {
    const int width = text_advance(fonts, style, text);
    return draw_text(canvas, fonts, style, centre_x - width / 2, baseline, text);
}
