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
// Once a pass, after the input: the menu's sounds for what the keys and clicks changed, and the
// tune started on the playing screen and stopped elsewhere.
void update_screen_sounds();
