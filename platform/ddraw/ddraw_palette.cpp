// DirectDraw palettes: 256 entries; the primary's palette is the screen's.
#include "platform/ddraw/ddraw_palette.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/ddraw/ddraw_surface.h"

#include <cstring>

namespace {

bool range_ok(DWORD start, DWORD count) {
    return start <= 256 && count <= 256 - start;
}

} // namespace

HRESULT DdPalette::QueryInterface(REFIID, LPVOID* object) {
    return ddraw_refuse_interface(object);
}

DWORD DdPalette::AddRef() {
    return ++refs;
}

DWORD DdPalette::Release() {
    return ddraw_release_plain(this);
}

HRESULT DdPalette::GetCaps(LPDWORD out) {
    if (!out) return DDERR_INVALIDPARAMS;
    *out = caps;
    return DD_OK;
}

HRESULT DdPalette::GetEntries(DWORD flags, DWORD base, DWORD count, LPPALETTEENTRY out) {
    if (flags || !out || !range_ok(base, count)) return DDERR_INVALIDPARAMS;
    std::memcpy(out, entries + base, count * sizeof(PALETTEENTRY));
    return DD_OK;
}

HRESULT DdPalette::SetEntries(DWORD flags, DWORD start, DWORD count, LPPALETTEENTRY in) {
    if (flags || !in || !range_ok(start, count)) return DDERR_INVALIDPARAMS;
    std::memmove(entries + start, in, count * sizeof(PALETTEENTRY));
    // A palettised screen shows a new palette at once, without any flip.
    DdSurface* primary = ddraw_display.primary;
    if (primary && primary->palette == this) ddraw_primary_changed(primary);
    return DD_OK;
}

const PALETTEENTRY* ddraw_palette_entries(const IDirectDrawPalette* palette) {
    return static_cast<const DdPalette*>(palette)->entries;
}
