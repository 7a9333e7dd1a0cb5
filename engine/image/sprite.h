// Sprites: movable, animated objects whose frames live in DirectDraw surfaces with a source
// colour key, and whose animation follows frame sequences. Creation, cuts and setters.
#pragma once

#include "engine/image/bitmap_file.h"
#include "platform/ddraw.h"

#include <cstdint>

// Animating always shows frame 0.
constexpr std::uint32_t SPRITE_STILL = 0x01;
// Animating steps through all frames in order.
constexpr std::uint32_t SPRITE_CYCLE_FRAMES = 0x02;
// Animating plays the current sequence.
constexpr std::uint32_t SPRITE_SEQUENCED = 0x04;
// With SPRITE_SEQUENCED: stay on the last entry instead of starting again.
constexpr std::uint32_t SPRITE_PLAY_ONCE = 0x08;
// The sprite is drawn; sprite_hide and sprite_show change it.
constexpr std::uint32_t SPRITE_SHOWN = 0x10;
// Moving reverses the velocity at the clip rectangle.
constexpr std::uint32_t SPRITE_BOUNCES = 0x20;
// Moving wraps round the clip rectangle; wins over SPRITE_BOUNCES.
constexpr std::uint32_t SPRITE_WRAPS = 0x40;
// Set by every frame cut.
constexpr std::uint32_t SPRITE_HAS_FRAMES = 0x80;
// Set by sprite_copy: the frames and sequences belong to another sprite.
constexpr std::uint32_t SPRITE_SHARED = 0x100;

// Ends every stored sequence.
constexpr std::int32_t SEQUENCE_END = -1;
// Frame slots per sprite.
constexpr int SPRITE_MAX_FRAMES = 64;
// Sequence slots per sprite.
constexpr int SPRITE_MAX_SEQUENCES = 16;

// A movable, animated object whose frames are surfaces with a colour key.
struct Sprite {
    // 1 after sprite_create.
    std::int32_t active;
    // 1 once a play-once sequence has reached its end.
    std::int32_t animation_done;
    // SPRITE_ bits.
    std::uint32_t attributes;
    // Left edge in screen pixels.
    float x;
    // Top edge in screen pixels.
    float y;
    // Added to x by each sprite_move.
    float x_velocity;
    // Added to y by each sprite_move.
    float y_velocity;
    // Frame width in pixels.
    std::int32_t width;
    // Frame height in pixels.
    std::int32_t height;
    // As given to sprite_create.
    std::int32_t bits_per_pixel;
    // The frame slot that is drawn.
    std::int32_t current_frame;
    // Frame surfaces made by sprite_create.
    std::int32_t frame_count;
    // The sequence slot that is played.
    std::int32_t current_sequence;
    // sprite_animate calls counted towards the next frame step.
    std::int32_t frame_timer;
    // The entry of the current sequence that the last step reached.
    std::int32_t sequence_position;
    // sprite_animate calls per frame step.
    std::int32_t frame_delay;
    // Frame numbers in playing order, each list ended by SEQUENCE_END.
    std::int32_t* sequences[SPRITE_MAX_SEQUENCES];
    // One off-screen surface per frame, null where none was made.
    IDirectDrawSurface7* frames[SPRITE_MAX_FRAMES];
};

// Fills the record and makes frame_count frame surfaces with the colour key; 0 on failure.
std::int32_t sprite_create(Sprite* sprite, std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height, std::int32_t frame_count, std::int32_t attributes,
                           std::int32_t memory_caps, std::int32_t color_key,
                           std::int32_t bits_per_pixel);
// Copies the record; the copy shares the source's frames and sequences.
std::int32_t sprite_copy(const Sprite* source, Sprite* dest);
// Releases the frames and sequences the sprite owns (a copy owns none).
std::int32_t sprite_destroy(Sprite* sprite);
// Fills a frame from an 8-bit picture: cell (cx, cy) when mode is 0, else pixel (cx, cy).
std::int32_t sprite_cut_frame(Sprite* sprite, const BitmapFile* bitmap, std::int32_t frame,
                              std::int32_t cx, std::int32_t cy, std::int32_t mode);
// The same from a 16-bit picture.
std::int32_t sprite_cut_frame16(Sprite* sprite, const BitmapFile* bitmap, std::int32_t frame,
                                std::int32_t cx, std::int32_t cy, std::int32_t mode);
// Stores a copy of count frame numbers in the slot.
std::int32_t sprite_add_sequence(Sprite* sprite, std::int32_t slot, std::int32_t count,
                                 const std::int32_t* entries);
// Places the sprite's top-left corner at (x, y).
std::int32_t sprite_set_position(Sprite* sprite, std::int32_t x, std::int32_t y);
// Sets the pixels moved by each sprite_move.
std::int32_t sprite_set_velocity(Sprite* sprite, std::int32_t x_velocity, std::int32_t y_velocity);
// Sets the sprite_animate calls per frame step.
std::int32_t sprite_set_delay(Sprite* sprite, std::int32_t delay);
// Plays the sequence in the slot from its start.
std::int32_t sprite_select_sequence(Sprite* sprite, std::int32_t slot);
// Stops drawing the sprite.
std::int32_t sprite_hide(Sprite* sprite);
// Draws the sprite again.
std::int32_t sprite_show(Sprite* sprite);
