// Reading and writing surface pixels row by row, so that the pitch's padding stays out.
#include "support/surface_pixels.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

// A lock on the whole surface for as long as it lives.
struct Locked {
    IDirectDrawSurface7* surface;
    DDSURFACEDESC2 desc{};
    std::size_t row_bytes = 0;

    explicit Locked(IDirectDrawSurface7* s) : surface(s) {
        desc.dwSize = sizeof desc;
        if (surface == nullptr || FAILED(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) {
            desc.lpSurface = nullptr;
            return;
        }
        row_bytes = desc.dwWidth * ((desc.ddpfPixelFormat.dwRGBBitCount + 7) / 8);
    }
    ~Locked() {
        if (desc.lpSurface != nullptr) surface->Unlock(nullptr);
    }
    std::uint8_t* row(DWORD y) const {
        return static_cast<std::uint8_t*>(desc.lpSurface) + y * desc.lPitch;
    }
    std::size_t picture_bytes() const { return row_bytes * desc.dwHeight; }
};

} // namespace

std::vector<std::uint8_t> read_surface_pixels(IDirectDrawSurface7* surface) {
    const Locked locked(surface);
    if (locked.desc.lpSurface == nullptr) return {};
    std::vector<std::uint8_t> bytes(locked.picture_bytes());
    for (DWORD y = 0; y < locked.desc.dwHeight; ++y)
        std::memcpy(bytes.data() + y * locked.row_bytes, locked.row(y), locked.row_bytes);
    return bytes;
}

void write_surface_pixels(IDirectDrawSurface7* surface, const std::vector<std::uint8_t>& bytes) {
    const Locked locked(surface);
    ASSERT_NE(locked.desc.lpSurface, nullptr) << "the surface cannot be locked";
    ASSERT_EQ(bytes.size(), locked.picture_bytes());
    for (DWORD y = 0; y < locked.desc.dwHeight; ++y)
        std::memcpy(locked.row(y), bytes.data() + y * locked.row_bytes, locked.row_bytes);
}
