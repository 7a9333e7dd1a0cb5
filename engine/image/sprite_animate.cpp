// Advancing a sprite's animation by one call: still, cycling through every frame, or playing
// the current sequence, looping or once.
#include "engine/image/sprite_animate.h"

namespace {

// Entries before the end marker. Counting them each step keeps a position left over from a
// longer sequence, or written by hand, from reading past the marker.
std::int32_t sequence_length(const std::int32_t* sequence) {
    std::int32_t length = 0;
    while (sequence[length] != SEQUENCE_END)
        ++length;
    return length;
}

// True when the timer has reached the delay; a delay of 0 or less acts as 1.
bool timer_expired(Sprite* sprite) {
    if (sprite->frame_timer < INT32_MAX) ++sprite->frame_timer;
    if (sprite->frame_timer < sprite->frame_delay) return false;
    sprite->frame_timer = 0;
    return true;
}

void step_sequence(Sprite* sprite) {
    const std::int32_t slot = sprite->current_sequence;
    if (slot < 0 || slot >= SPRITE_MAX_SEQUENCES || sprite->sequences[slot] == nullptr) return;
    const std::int32_t* sequence = sprite->sequences[slot];
    const std::int32_t length = sequence_length(sequence);
    if (!timer_expired(sprite)) return;
    const std::int64_t next = static_cast<std::int64_t>(sprite->sequence_position) + 1;
    if (next >= 0 && next < length) {
        sprite->sequence_position = static_cast<std::int32_t>(next);
        sprite->current_frame = sequence[next];
        return;
    }
    // The end marker: hold the last real entry, or start again from entry 0.
    if (length == 0) {
        sprite->sequence_position = 0;
    } else if ((sprite->attributes & SPRITE_PLAY_ONCE) != 0) {
        sprite->animation_done = 1;
        sprite->sequence_position = length - 1;
        sprite->current_frame = sequence[length - 1];
    } else {
        sprite->sequence_position = 0;
        sprite->current_frame = sequence[0];
    }
}

} // namespace

std::int32_t sprite_animate(Sprite* sprite) {
    if (sprite == nullptr) return 0;
    if ((sprite->attributes & SPRITE_STILL) != 0) {
        sprite->current_frame = 0;
    } else if ((sprite->attributes & SPRITE_CYCLE_FRAMES) != 0) {
        if (timer_expired(sprite)) {
            const std::int64_t next = static_cast<std::int64_t>(sprite->current_frame) + 1;
            sprite->current_frame =
                next >= sprite->frame_count ? 0 : static_cast<std::int32_t>(next);
        }
    } else if ((sprite->attributes & SPRITE_SEQUENCED) != 0) {
        step_sequence(sprite);
    }
    return 1;
}
