// Reading and changing the display palette: whole palette, single entries and rotation.
// palette_entries is the program's copy; the getters read it and never ask DirectDraw.
#include "engine/display/palette.h"

#include "engine/display/display_context.h"

#include <cstring>

static_assert(sizeof(PaletteEntry) == sizeof(PALETTEENTRY));

namespace {

LPPALETTEENTRY as_platform_entries(PaletteEntry* entries) {
    return reinterpret_cast<LPPALETTEENTRY>(entries);
}

bool valid_index(std::int32_t index) {
    return index >= 0 && index <= 255;
}

} // namespace

std::int32_t set_palette_entry(std::int32_t index, const PaletteEntry* entry) {
    if (!valid_index(index) || entry == nullptr) return 0;
    palette_entries[index] = *entry;
    // Without a display palette (before set-up, or at 16 bits) only the copy changes.
    if (display_palette == nullptr) return 0;
    display_palette->SetEntries(0, static_cast<DWORD>(index), 1,
                                as_platform_entries(&palette_entries[index]));
    return 1;
}

std::int32_t get_palette_entry(std::int32_t index, PaletteEntry* entry) {
    if (!valid_index(index) || entry == nullptr) return 0;
    *entry = palette_entries[index];
    return 1;
}

std::int32_t get_palette(PaletteEntry* palette) {
    if (palette == nullptr) return 0;
    std::memcpy(palette, palette_entries, sizeof(Palette));
    return 1;
}

std::int32_t set_palette(const PaletteEntry* palette) {
    if (palette == nullptr) return 0;
    // The caller may hand palette_entries itself.
    std::memmove(palette_entries, palette, sizeof(Palette));
    if (display_palette == nullptr) return 0;
    display_palette->SetEntries(0, 0, 256, as_platform_entries(palette_entries));
    return 1;
}

std::int32_t rotate_palette(std::int32_t first, std::int32_t last) {
    if (!valid_index(first) || !valid_index(last) || first > last) return 0;
    if (display_palette == nullptr) return 0;
    const auto n = static_cast<DWORD>(last - first + 1);
    Palette work_pal = {};
    display_palette->GetEntries(0, static_cast<DWORD>(first), n, as_platform_entries(work_pal));
    if (n > 1) {
        display_palette->SetEntries(0, static_cast<DWORD>(first + 1), n - 1,
                                    as_platform_entries(work_pal));
        display_palette->SetEntries(0, static_cast<DWORD>(first), 1,
                                    as_platform_entries(&work_pal[n - 1]));
    }
    display_palette->GetEntries(0, 0, 256, as_platform_entries(palette_entries));
    return 1;
}
