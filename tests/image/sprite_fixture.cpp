// Pixel access to surfaces for the sprite tests.
#include "sprite_fixture.h"

#include <cstring>

namespace {

struct Locked {
    DDSURFACEDESC2 desc{};
    std::size_t row = 0;
    IDirectDrawSurface7* surface;
    explicit Locked(IDirectDrawSurface7* s) : surface(s) {
        desc.dwSize = sizeof desc;
        if (FAILED(surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr))) {
            desc.lpSurface = nullptr;
            return;
        }
        row = desc.dwWidth * ((desc.ddpfPixelFormat.dwRGBBitCount + 7) / 8);
    }
    ~Locked() {
        if (desc.lpSurface != nullptr) surface->Unlock(nullptr);
    }
    std::uint8_t* line(DWORD y) const {
        return static_cast<std::uint8_t*>(desc.lpSurface) + y * desc.lPitch;
    }
};

} // namespace

std::vector<std::uint8_t> surface_bytes(IDirectDrawSurface7* surface) {
    Locked locked(surface);
    if (locked.desc.lpSurface == nullptr) return {};
    std::vector<std::uint8_t> out(locked.row * locked.desc.dwHeight);
    for (DWORD y = 0; y < locked.desc.dwHeight; ++y)
        std::memcpy(out.data() + y * locked.row, locked.line(y), locked.row);
    return out;
}

void set_surface_bytes(IDirectDrawSurface7* surface, const std::vector<std::uint8_t>& bytes) {
    Locked locked(surface);
    ASSERT_NE(nullptr, locked.desc.lpSurface);
    ASSERT_EQ(locked.row * locked.desc.dwHeight, bytes.size());
    for (DWORD y = 0; y < locked.desc.dwHeight; ++y)
        std::memcpy(locked.line(y), bytes.data() + y * locked.row, locked.row);
}
