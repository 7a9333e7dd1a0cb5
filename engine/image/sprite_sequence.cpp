// A sprite's animation sequences: storing them and choosing the one that plays.
#include "engine/image/sprite.h"

#include <cstdlib>
#include <cstring>

std::int32_t sprite_add_sequence(Sprite* sprite, std::int32_t slot, std::int32_t count,
                                 const std::int32_t* entries) {
    if (sprite == nullptr || slot < 0 || slot >= SPRITE_MAX_SEQUENCES) return 0;
    // Animation reads at least one entry before the end marker.
    if (count < 1 || entries == nullptr) return 0;
    // A copy borrows every slot and frees none at destroy, so it cannot own a new sequence.
    if ((sprite->attributes & SPRITE_SHARED) != 0) return 0;
    std::int32_t*& held = sprite->sequences[slot];
    std::free(held);
    const auto stored = static_cast<std::size_t>(count) + 1;
    held = static_cast<std::int32_t*>(std::malloc(stored * sizeof(std::int32_t)));
    if (held == nullptr) return 0;
    std::memcpy(held, entries, static_cast<std::size_t>(count) * sizeof(std::int32_t));
    held[count] = SEQUENCE_END;
    return 1;
}

std::int32_t sprite_select_sequence(Sprite* sprite, std::int32_t slot) {
    if (sprite == nullptr || slot < 0 || slot >= SPRITE_MAX_SEQUENCES) return 0;
    // The frame on show stays until the next step, which shows entry 1.
    sprite->current_sequence = slot;
    sprite->sequence_position = 0;
    return 1;
}
