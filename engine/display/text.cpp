// One line of text drawn on a surface through the device context it lends, on a transparent
// background, in an RGB colour or in the colour of a palette entry.
#include "engine/display/text.h"

#include "engine/display/display_context.h"
#include "engine/display/error_log.h"
#include "platform/gdi.h"

#include <climits>
#include <cstdio>
#include <cstring>

namespace {

// Whether the missing font has been reported since text last worked: once is enough, and a
// font that comes back (a test choosing another) is reported again when it goes.
bool NoFontSaid = false;

// A device context that draws no text has no font to draw with: said once on standard error
// too, as a program that opened no log would otherwise show blank text with no reason.
std::int32_t text_failed() {
    if (!NoFontSaid) {
        NoFontSaid = true;
        const char* line = "No text: no usable font was found (install fonts-dejavu-core).";
        write_error_log("\n%s", line);
#ifndef __EMSCRIPTEN__
        // A page carries no font by design, so there it goes to the log alone and does not
        // stand as an error in the browser's console.
        std::fprintf(stderr, "%s\n", line);
#endif
    }
    return 0;
}

std::int32_t text_worked() {
    NoFontSaid = false;
    return 1;
}

} // namespace

std::int32_t draw_text_rgb(const char* text, std::int32_t x, std::int32_t y, COLORREF color,
                           IDirectDrawSurface7* surface) {
    if (text == nullptr || surface == nullptr) return 0;
    HDC xdc = nullptr;
    if (FAILED(surface->GetDC(&xdc)) || xdc == nullptr) return 0;
    SetTextColor(xdc, color);
    SetBkMode(xdc, TRANSPARENT);
    std::size_t length = std::strlen(text);
    const BOOL drawn =
        TextOutA(xdc, x, y, text, length > INT_MAX ? INT_MAX : static_cast<int>(length));
    surface->ReleaseDC(xdc);
    return drawn ? text_worked() : text_failed();
}

std::int32_t draw_text_index(const char* text, std::int32_t x, std::int32_t y, std::int32_t index,
                             IDirectDrawSurface7* surface) {
    if (index < 0 || index > 255) return 0;
    const PaletteEntry& entry = palette_entries[index];
    // The flags byte plays no part in the colour.
    COLORREF color = static_cast<COLORREF>(entry.red) | static_cast<COLORREF>(entry.green) << 8 |
                     static_cast<COLORREF>(entry.blue) << 16;
    return draw_text_rgb(text, x, y, color, surface);
}

std::int32_t measure_text(const char* text, std::int32_t* width, std::int32_t* height,
                          IDirectDrawSurface7* surface) {
    if (width != nullptr) *width = 0;
    if (height != nullptr) *height = 0;
    if (text == nullptr || surface == nullptr) return 0;
    HDC xdc = nullptr;
    if (FAILED(surface->GetDC(&xdc)) || xdc == nullptr) return 0;
    std::size_t length = std::strlen(text);
    SIZE size = {0, 0};
    BOOL measured = GetTextExtentPoint32A(
        xdc, text, length > INT_MAX ? INT_MAX : static_cast<int>(length), &size);
    surface->ReleaseDC(xdc);
    if (!measured) return text_failed();
    if (width != nullptr) *width = size.cx;
    if (height != nullptr) *height = size.cy;
    return text_worked();
}
