// DirectDraw palettes: 256 entries; the palette attached to the primary is the screen's.
#pragma once

#include "platform/ddraw.h"

struct DdPalette final : IDirectDrawPalette {
    DWORD refs = 1;
    DWORD caps = 0;
    PALETTEENTRY entries[256] = {};

    HRESULT QueryInterface(REFIID iid, LPVOID* object) override;
    DWORD AddRef() override;
    DWORD Release() override;
    HRESULT GetCaps(LPDWORD caps) override;
    HRESULT GetEntries(DWORD flags, DWORD base, DWORD count, LPPALETTEENTRY entries) override;
    HRESULT SetEntries(DWORD flags, DWORD start, DWORD count, LPPALETTEENTRY entries) override;
};

// The 256 entries of a palette that the emulation made.
const PALETTEENTRY* ddraw_palette_entries(const IDirectDrawPalette* palette);
