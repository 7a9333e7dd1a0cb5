// Blitting a sprite's current frame with its source colour key, at its own size or stretched.
// Clipping is left to the destination's clipper.
#include "engine/image/sprite_draw.h"
#include "engine/image/sprite_position.h"

namespace {

std::int32_t draw_frame(const Sprite* sprite, float drawn_width, float drawn_height,
                        IDirectDrawSurface7* dest) {
    if (sprite == nullptr) return 0;
    if ((sprite->attributes & SPRITE_SHOWN) == 0) return 1;
    if (dest == nullptr) return 0;
    const std::int32_t frame = sprite->current_frame;
    if (frame < 0 || frame >= SPRITE_MAX_FRAMES || sprite->frames[frame] == nullptr) return 0;
    std::int32_t left = 0, top = 0, right = 0, bottom = 0;
    if (!truncate_position(0.0f, sprite->x, &left) || !truncate_position(0.0f, sprite->y, &top) ||
        !truncate_position(drawn_width, sprite->x, &right) ||
        !truncate_position(drawn_height, sprite->y, &bottom))
        return 0;
    RECT dest_rect = {left, top, right, bottom};
    RECT source_rect = {0, 0, sprite->width, sprite->height};
    const HRESULT result = dest->Blt(&dest_rect, sprite->frames[frame], &source_rect,
                                     DDBLT_WAIT | DDBLT_KEYSRC, nullptr);
    return FAILED(result) ? 0 : 1;
}

} // namespace

std::int32_t sprite_draw(const Sprite* sprite, IDirectDrawSurface7* dest) {
    if (sprite == nullptr) return 0;
    return draw_frame(sprite, static_cast<float>(sprite->width), static_cast<float>(sprite->height),
                      dest);
}

std::int32_t sprite_draw16(const Sprite* sprite, IDirectDrawSurface7* dest) {
    return sprite_draw(sprite, dest);
}

std::int32_t sprite_draw_scaled(const Sprite* sprite, std::int32_t width, std::int32_t height,
                                IDirectDrawSurface7* dest) {
    return draw_frame(sprite, static_cast<float>(width), static_cast<float>(height), dest);
}

std::int32_t sprite_draw_scaled16(const Sprite* sprite, std::int32_t width, std::int32_t height,
                                  IDirectDrawSurface7* dest) {
    return sprite_draw_scaled(sprite, width, height, dest);
}
