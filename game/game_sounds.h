// The game's sounds: the menu's move and choose, the jump, the bump on the block, the
// landing, and the tune on the playing screen. Without a device or without the files the
// game plays on silently.
#pragma once

#include <cstdint>

enum GameSoundId {
    SOUND_MENU_MOVE,
    SOUND_MENU_CHOOSE,
    SOUND_JUMP,
    SOUND_BUMP,
    SOUND_LAND,
    GAME_SOUND_COUNT
};

// Starts the sound module and reads the files; how many sounds (the tune included) were made.
std::int32_t load_game_sounds();
// Lets every sound and the device go.
void release_game_sounds();
void play_game_sound(GameSoundId id);
// The tune, looping from its start; stopped; 1 while it plays.
void play_tune();
void stop_tune();
std::int32_t tune_playing();
