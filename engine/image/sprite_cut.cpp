// Filling a sprite's frame surface with a rectangle of a bitmap file's picture.
#include "engine/display/error_log.h"
#include "engine/image/cut_source.h"
#include "engine/image/sprite.h"

namespace {

// Whether the locked surface has room for the frame's rows at this depth.
bool surface_fits(const DDSURFACEDESC2& ddsd, const Sprite* sprite, std::int32_t bytes) {
    if (ddsd.lpSurface == nullptr) return false;
    if ((ddsd.dwFlags & DDSD_PIXELFORMAT) != 0 &&
        static_cast<std::int32_t>((ddsd.ddpfPixelFormat.dwRGBBitCount + 7) / 8) != bytes)
        return false;
    return ddsd.dwWidth >= static_cast<DWORD>(sprite->width) &&
           ddsd.dwHeight >= static_cast<DWORD>(sprite->height) &&
           ddsd.lPitch / bytes >= sprite->width;
}

std::int32_t cut_frame(Sprite* sprite, const BitmapFile* bitmap, std::int32_t frame,
                       std::int32_t cx, std::int32_t cy, std::int32_t mode,
                       std::int32_t bits_per_pixel) {
    if (sprite == nullptr || frame < 0 || frame >= SPRITE_MAX_FRAMES ||
        frame >= sprite->frame_count)
        return 0;
    IDirectDrawSurface7* surface = sprite->frames[frame];
    if (surface == nullptr) return 0;
    DDSURFACEDESC2 ddsd{};
    ddsd.dwSize = sizeof ddsd;
    // Without a lock there is no address to write through.
    if (FAILED(surface->Lock(nullptr, &ddsd, DDLOCK_SURFACEMEMORYPTR | DDLOCK_WAIT, nullptr)))
        return 0;
    const std::int32_t bytes = bits_per_pixel / 8;
    if (!surface_fits(ddsd, sprite, bytes)) {
        surface->Unlock(nullptr);
        write_error_log("\nFrame cut refused: a %d-bit cut does not fit the frame's surface "
                        "(use the cut of the display's depth).",
                        bits_per_pixel);
        return 0;
    }
    // 16-bit rows step by whole pixels, so an odd pitch rounds down.
    const std::ptrdiff_t dest_step = (ddsd.lPitch / bytes) * bytes;
    // Transparent pixels of the picture take the frame's own key.
    DDCOLORKEY key{};
    surface->GetColorKey(DDCKEY_SRCBLT, &key);
    const std::int32_t cut =
        cut_pixels(bitmap, cx, cy, mode, sprite->width, sprite->height, bits_per_pixel,
                   key.dwColorSpaceLowValue, static_cast<std::uint8_t*>(ddsd.lpSurface), dest_step);
    surface->Unlock(nullptr);
    if (!cut) return 0;
    sprite->attributes |= SPRITE_HAS_FRAMES;
    return 1;
}

} // namespace

std::int32_t sprite_cut_frame(Sprite* sprite, const BitmapFile* bitmap, std::int32_t frame,
                              std::int32_t cx, std::int32_t cy, std::int32_t mode) {
    return cut_frame(sprite, bitmap, frame, cx, cy, mode, 8);
}

std::int32_t sprite_cut_frame16(Sprite* sprite, const BitmapFile* bitmap, std::int32_t frame,
                                std::int32_t cx, std::int32_t cy, std::int32_t mode) {
    return cut_frame(sprite, bitmap, frame, cx, cy, mode, 16);
}
