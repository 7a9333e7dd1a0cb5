// Loads the default font through FreeType once and keeps the glyphs of single-byte text:
// DejaVu Sans where Debian puts it, else the sans-serif face that fontconfig names.
#include "platform/gdi/gdi_font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <string>

namespace {

const char* const default_font_path = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
// Close to the height of the system font a device context starts with.
constexpr int font_pixel_size = 13;

// Single-byte text is in the Western Windows code page: 0x80 to 0x9F are not the Latin-1
// control codes but these characters (0 where the code page leaves a hole).
const unsigned short code_page_high[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

struct FontState {
    std::string path; // a font chosen by a test; empty: the default and then fontconfig's
    int tried = 0;    // a missing file is not looked for again on every call
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    GdiFontMetrics metrics = {};
    GdiGlyph glyphs[256];
    bool have[256] = {};

    void unload() {
        if (face) FT_Done_Face(face);
        if (library) FT_Done_FreeType(library);
        face = nullptr;
        library = nullptr;
        tried = 0;
        for (bool& h : have)
            h = false;
        for (GdiGlyph& g : glyphs)
            g = GdiGlyph{};
    }
    ~FontState() { unload(); }
};

FontState& font() {
    static FontState state;
    return state;
}

// The file of the regular sans-serif face that fontconfig matches; empty when it has none.
std::string fontconfig_sans() {
    std::string path;
    FcConfig* config = FcInitLoadConfigAndFonts();
    if (config == nullptr) return path;
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("sans-serif:style=Regular"));
    if (pattern != nullptr) {
        FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* match = FcFontMatch(config, pattern, &result);
        FcChar8* file = nullptr;
        if (match != nullptr && FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch &&
            file != nullptr)
            path = reinterpret_cast<const char*>(file);
        if (match != nullptr) FcPatternDestroy(match);
        FcPatternDestroy(pattern);
    }
    FcConfigDestroy(config);
    return path;
}

bool open_face(FontState& f, const std::string& path) {
    if (path.empty()) return false;
    if (FT_New_Face(f.library, path.c_str(), 0, &f.face) == 0 &&
        FT_Set_Pixel_Sizes(f.face, 0, font_pixel_size) == 0)
        return true;
    if (f.face) FT_Done_Face(f.face);
    f.face = nullptr;
    return false;
}

int load() {
    FontState& f = font();
    if (f.face) return 1;
    if (f.tried) return 0;
    f.tried = 1;
    if (FT_Init_FreeType(&f.library)) return 0;
    // A font a test chose is the only one tried, so that a missing one stays missing.
    const bool found = f.path.empty()
                           ? open_face(f, default_font_path) || open_face(f, fontconfig_sans())
                           : open_face(f, f.path);
    if (!found) {
        FT_Done_FreeType(f.library);
        f.library = nullptr;
        return 0;
    }
    const FT_Size_Metrics& m = f.face->size->metrics;
    f.metrics.ascent = static_cast<int>((m.ascender + 63) >> 6);
    f.metrics.cell_height = f.metrics.ascent + static_cast<int>((-m.descender + 63) >> 6);
    return 1;
}

FT_ULong code_point(unsigned char c) {
    if (c >= 0x80 && c < 0xA0) return code_page_high[c - 0x80] ? code_page_high[c - 0x80] : '?';
    return c;
}

void render(GdiGlyph* glyph, unsigned char c) {
    FontState& f = font();
    *glyph = GdiGlyph{};
    // Hard edges at every depth, as a device context draws without font smoothing.
    if (FT_Load_Char(f.face, code_point(c), FT_LOAD_TARGET_MONO)) return;
    FT_GlyphSlot slot = f.face->glyph;
    if (slot->format != FT_GLYPH_FORMAT_BITMAP && FT_Render_Glyph(slot, FT_RENDER_MODE_MONO))
        return;
    const FT_Bitmap& bitmap = slot->bitmap;
    glyph->advance = static_cast<int>((slot->advance.x + 32) >> 6);
    glyph->left = slot->bitmap_left;
    glyph->top = slot->bitmap_top;
    glyph->width = static_cast<int>(bitmap.width);
    glyph->rows = static_cast<int>(bitmap.rows);
    glyph->coverage.assign(static_cast<size_t>(glyph->width) * glyph->rows, 0);
    const int pitch = bitmap.pitch < 0 ? -bitmap.pitch : bitmap.pitch;
    for (int r = 0; r < glyph->rows; ++r) {
        // A negative pitch stores the bottom row first.
        int stored = bitmap.pitch < 0 ? glyph->rows - 1 - r : r;
        const unsigned char* row = bitmap.buffer + static_cast<long>(stored) * pitch;
        std::uint8_t* out = glyph->coverage.data() + static_cast<size_t>(r) * glyph->width;
        for (int x = 0; x < glyph->width; ++x) {
            if (bitmap.pixel_mode == FT_PIXEL_MODE_MONO)
                out[x] = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
            else if (bitmap.pixel_mode == FT_PIXEL_MODE_GRAY)
                out[x] = row[x];
        }
    }
}

} // namespace

void gdi_set_font_path(const char* path) {
    FontState& f = font();
    f.unload();
    f.path = path ? path : "";
}

int gdi_font_metrics(GdiFontMetrics* metrics) {
    if (!load()) return 0;
    *metrics = font().metrics;
    return 1;
}

const GdiGlyph* gdi_glyph(unsigned char c) {
    if (!load()) return nullptr;
    FontState& f = font();
    if (!f.have[c]) {
        render(&f.glyphs[c], c);
        f.have[c] = true;
    }
    return &f.glyphs[c];
}
