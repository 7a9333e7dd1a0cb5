// Sprites: movable, animated objects whose frames live in DirectDraw surfaces with a source
// colour key, and whose animation follows frame sequences. Creation, cuts and setters.
#pragma once

#include "engine/image/bitmap_file.h"
#include "platform/ddraw.h"

#include <cstdint>

constexpr std::uint32_t SPRITE_STILL = 0x01;
constexpr std::uint32_t SPRITE_CYCLE_FRAMES = 0x02;
constexpr std::uint32_t SPRITE_SEQUENCED = 0x04;
constexpr std::uint32_t SPRITE_PLAY_ONCE = 0x08;
constexpr std::uint32_t SPRITE_SHOWN = 0x10;
constexpr std::uint32_t SPRITE_BOUNCES = 0x20;
constexpr std::uint32_t SPRITE_WRAPS = 0x40;
constexpr std::uint32_t SPRITE_HAS_FRAMES = 0x80;
constexpr std::uint32_t SPRITE_SHARED = 0x100;

constexpr std::int32_t SEQUENCE_END = -1;
constexpr int SPRITE_MAX_FRAMES = 64;
constexpr int SPRITE_MAX_SEQUENCES = 16;

struct Sprite {
    std::int32_t active;
    std::int32_t animation_done;
    std::uint32_t attributes;
    float x;
    float y;
    float x_velocity;
    float y_velocity;
    std::int32_t width;
    std::int32_t height;
    std::int32_t bits_per_pixel;
    std::int32_t current_frame;
    std::int32_t frame_count;
    std::int32_t current_sequence;
    std::int32_t frame_timer;
    std::int32_t sequence_position;
    std::int32_t frame_delay;
    std::int32_t* sequences[SPRITE_MAX_SEQUENCES];
    IDirectDrawSurface7* frames[SPRITE_MAX_FRAMES];
};

std::int32_t sprite_create(Sprite* sprite, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, std::int32_t frame_count, std::int32_t attributes,
                           std::int32_t memory_caps, std::int32_t color_key,
                           std::int32_t bits_per_pixel);
std::int32_t sprite_copy(const Sprite* source, Sprite* dest);
std::int32_t sprite_destroy(Sprite* sprite);
std::int32_t sprite_cut_frame(Sprite* sprite, const BitmapFile* bitmap, std::int32_t frame,
                              std::int32_t cx, std::int32_t cy, std::int32_t mode);
std::int32_t sprite_cut_frame16(Sprite* sprite, const BitmapFile* bitmap, std::int32_t frame,
                                std::int32_t cx, std::int32_t cy, std::int32_t mode);
std::int32_t sprite_add_sequence(Sprite* sprite, std::int32_t slot, std::int32_t count,
                                 const std::int32_t* entries);
std::int32_t sprite_set_position(Sprite* sprite, std::int32_t x, std::int32_t y);
std::int32_t sprite_set_velocity(Sprite* sprite, std::int32_t x_velocity, std::int32_t y_velocity);
std::int32_t sprite_set_delay(Sprite* sprite, std::int32_t delay);
std::int32_t sprite_select_sequence(Sprite* sprite, std::int32_t slot);
std::int32_t sprite_hide(Sprite* sprite);
std::int32_t sprite_show(Sprite* sprite);
