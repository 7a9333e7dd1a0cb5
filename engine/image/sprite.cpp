// Creating, copying and destroying sprites and their frame surfaces.
#include "engine/image/sprite.h"
#include "engine/display/surfaces.h"

#include <cstdlib>

namespace {

void empty_slots(Sprite* sprite) {
    for (IDirectDrawSurface7*& frame : sprite->frames)
        frame = nullptr;
    for (std::int32_t*& sequence : sprite->sequences)
        sequence = nullptr;
}

} // namespace

std::int32_t sprite_create(Sprite* sprite, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, std::int32_t frame_count, std::int32_t attributes,
                           std::int32_t memory_caps, std::int32_t color_key,
                           std::int32_t bits_per_pixel) {
    if (sprite == nullptr || frame_count < 0 || frame_count > SPRITE_MAX_FRAMES) return 0;
    sprite->active = 1;
    sprite->attributes = static_cast<std::uint32_t>(attributes);
    sprite->animation_done = 0;
    sprite->current_frame = 0;
    sprite->frame_count = frame_count;
    sprite->bits_per_pixel = bits_per_pixel;
    sprite->current_sequence = 0;
    sprite->frame_timer = 0;
    sprite->sequence_position = 0;
    sprite->frame_delay = 0;
    sprite->x = static_cast<float>(x);
    sprite->y = static_cast<float>(y);
    sprite->x_velocity = 0.0f;
    sprite->y_velocity = 0.0f;
    sprite->width = width;
    sprite->height = height;
    empty_slots(sprite);
    for (std::int32_t i = 0; i < frame_count; ++i) {
        // Frames made before a failure stay in their slots for sprite_destroy to release.
        sprite->frames[i] = create_offscreen_surface(width, height, memory_caps, color_key);
        if (sprite->frames[i] == nullptr) return 0;
    }
    return 1;
}

std::int32_t sprite_copy(const Sprite* source, Sprite* dest) {
    if (source == nullptr || dest == nullptr || source == dest) return 0;
    *dest = *source;
    dest->attributes |= SPRITE_SHARED;
    return 1;
}

std::int32_t sprite_destroy(Sprite* sprite) {
    if (sprite == nullptr) return 0;
    // A copy only borrows its frames and sequences; the original gives them back.
    if ((sprite->attributes & SPRITE_SHARED) == 0) {
        for (IDirectDrawSurface7* frame : sprite->frames) {
            if (frame != nullptr) frame->Release();
        }
        for (std::int32_t* sequence : sprite->sequences)
            std::free(sequence);
    }
    // Emptied either way, so destroying twice releases nothing twice.
    empty_slots(sprite);
    return 1;
}
