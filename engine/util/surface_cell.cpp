// Filling a whole off-screen surface with one cell of an 8-bit sheet.
#include "engine/util/surface_cell.h"

#include "engine/image/cut_source.h"

#include <cstring>
#include <limits>

namespace {

// Whether the locked description gives an 8-bit surface with rows that can hold its width.
bool holds_cell(const DDSURFACEDESC2& ddsd) {
    if (ddsd.lpSurface == nullptr || ddsd.dwWidth == 0 || ddsd.dwHeight == 0) return false;
    constexpr DWORD largest = std::numeric_limits<std::int32_t>::max();
    if (ddsd.dwWidth > largest || ddsd.dwHeight > largest) return false;
    if ((ddsd.dwFlags & DDSD_PIXELFORMAT) != 0 && ddsd.ddpfPixelFormat.dwRGBBitCount != 8)
        return false;
    return ddsd.lPitch >= static_cast<LONG>(ddsd.dwWidth);
}

} // namespace

std::int32_t surface_cut_cell(const BitmapFile* bitmap, IDirectDrawSurface7* surface,
                              std::int32_t cx, std::int32_t cy) {
    if (bitmap == nullptr || surface == nullptr) return 0;
    DDSURFACEDESC2 ddsd{};
    ddsd.dwSize = sizeof ddsd;
    // Without a lock there is no address to write through. The lock also tells the cell's
    // size: the surface's own.
    if (FAILED(surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr))) return 0;
    const std::uint8_t* source = nullptr;
    if (holds_cell(ddsd)) {
        // Null unless the whole cell lies inside the picture the record holds at 8 bits.
        source = cut_source(bitmap, cx, cy, 0, static_cast<std::int32_t>(ddsd.dwWidth),
                            static_cast<std::int32_t>(ddsd.dwHeight), 8);
    }
    if (source == nullptr) {
        surface->Unlock(nullptr);
        return 0;
    }
    // Only the surface's own pixels of each row are written; any padding up to the pitch
    // is left as it was.
    const std::ptrdiff_t source_step = bitmap->info_header.biWidth;
    auto* dest = static_cast<std::uint8_t*>(ddsd.lpSurface);
    for (std::ptrdiff_t row = 0; row < static_cast<std::ptrdiff_t>(ddsd.dwHeight); ++row)
        std::memcpy(dest + row * ddsd.lPitch, source + row * source_step, ddsd.dwWidth);
    surface->Unlock(nullptr);
    return 1;
}
