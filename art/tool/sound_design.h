// The game's sounds and tune as notes: what each sounds like, and the files they go into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The rate every sound file is written at.
constexpr int SOUND_RATE = 22050;

struct GameSound {
    std::string file;
    std::vector<std::int16_t> samples; // mono, SOUND_RATE a second
};

// The menu's move and choose, the jump, the bump on the block, the landing, and the tune,
// which loops without a seam.
std::vector<GameSound> design_game_sounds();
