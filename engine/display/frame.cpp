// Per-frame display operations: colour fills, locks, presenting and the vertical-blank wait.
// Every one asks DirectDraw to wait while the hardware is busy rather than fail.
#include "engine/display/frame.h"

#include "engine/display/display_context.h"

#include <cstring>

namespace {

// A flip that still fails after this many tries will not succeed by trying again (the
// surfaces were lost, say); the frame is given up.
constexpr int FLIP_TRIES = 1000;

void color_fill(IDirectDrawSurface7* surface, RECT* rect, DWORD color) {
    DDBLTFX ddbltfx;
    std::memset(&ddbltfx, 0, sizeof(ddbltfx));
    ddbltfx.dwSize = sizeof(ddbltfx);
    ddbltfx.dwFillColor = color;
    surface->Blt(rect, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &ddbltfx);
}

} // namespace

std::int32_t fill_surface(IDirectDrawSurface7* surface, std::int32_t color, RECT* rect) {
    if (surface == nullptr) return 0;
    color_fill(surface, rect, static_cast<DWORD>(color) & 0xFFFFu);
    return 1;
}

std::int32_t fill_rectangle(std::int32_t left, std::int32_t top, std::int32_t right,
                            std::int32_t bottom, std::int32_t color, IDirectDrawSurface7* surface) {
    if (surface == nullptr) return 0;
    RECT fill_area = {left, top, right, bottom};
    color_fill(surface, &fill_area, static_cast<DWORD>(color));
    return 1;
}

namespace {

// Locks the whole surface into surface_desc; a refused lock leaves the cleared record's
// null address and zero pitch.
void lock_into_surface_desc(IDirectDrawSurface7* surface) {
    std::memset(&surface_desc, 0, sizeof(surface_desc));
    surface_desc.dwSize = sizeof(surface_desc);
    if (FAILED(surface->Lock(nullptr, &surface_desc, DDLOCK_WAIT, nullptr))) {
        surface_desc.lpSurface = nullptr;
        surface_desc.lPitch = 0;
    }
}

} // namespace

std::uint8_t* lock_surface(IDirectDrawSurface7* surface, std::int32_t* pitch) {
    if (surface == nullptr) {
        if (pitch != nullptr) *pitch = 0;
        return nullptr;
    }
    lock_into_surface_desc(surface);
    if (pitch != nullptr) *pitch = surface_desc.lPitch;
    return static_cast<std::uint8_t*>(surface_desc.lpSurface);
}

std::int32_t unlock_surface(IDirectDrawSurface7* surface) {
    if (surface == nullptr) return 0;
    surface->Unlock(nullptr);
    return 1;
}

namespace {

// lock_primary and lock_back: a held lock is returned as it is, never taken twice.
std::uint8_t* lock_held(IDirectDrawSurface7* surface, std::uint8_t** buffer, std::int32_t* pitch) {
    if (*buffer != nullptr || surface == nullptr) return *buffer;
    lock_into_surface_desc(surface);
    *buffer = static_cast<std::uint8_t*>(surface_desc.lpSurface);
    *pitch = *buffer != nullptr ? surface_desc.lPitch : 0;
    return *buffer;
}

std::int32_t unlock_held(IDirectDrawSurface7* surface, std::uint8_t** buffer, std::int32_t* pitch) {
    if (*buffer == nullptr) return 0;
    if (surface != nullptr) surface->Unlock(nullptr);
    *buffer = nullptr;
    *pitch = 0;
    return 1;
}

} // namespace

std::uint8_t* lock_primary() {
    return lock_held(primary_surface, &primary_buffer, &primary_pitch);
}

std::int32_t unlock_primary() {
    return unlock_held(primary_surface, &primary_buffer, &primary_pitch);
}

std::uint8_t* lock_back() {
    return lock_held(back_surface, &back_buffer, &back_pitch);
}

std::int32_t unlock_back() {
    return unlock_held(back_surface, &back_buffer, &back_pitch);
}

std::int32_t present_frame() {
    if (primary_buffer != nullptr || back_buffer != nullptr) return 0;
    if (primary_surface == nullptr) return 0;
    if (screen_windowed == 0) {
        for (int tries = 0; tries < FLIP_TRIES; ++tries) {
            if (SUCCEEDED(primary_surface->Flip(nullptr, DDFLIP_WAIT))) return 1;
        }
        return 0;
    }
    if (back_surface == nullptr) return 0;
    // The picture goes to the window's place on the screen; the window clipper cuts it to
    // the part of the window that is visible.
    RECT window_rect = {};
    if (!GetWindowRect(MainWindow, &window_rect)) return 0;
    RECT dest_rect = {window_rect.left, window_rect.top, window_rect.left + screen_width,
                      window_rect.top + screen_height};
    if (FAILED(primary_surface->Blt(&dest_rect, back_surface, nullptr, DDBLT_WAIT, nullptr))) {
        return 0;
    }
    return 1;
}

std::int32_t wait_vertical_blank() {
    if (directdraw == nullptr) return 0;
    directdraw->WaitForVerticalBlank(DDWAITVB_BLOCKBEGIN, nullptr);
    return 1;
}
