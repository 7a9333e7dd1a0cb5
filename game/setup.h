// The game's artwork in memory, read once at start, and its set-up and tear-down.
#pragma once

#include "engine/engine.h"

#include <cstdint>

extern BitmapImage MenuImages[4];
extern BitmapImage InfoImages[2];
extern BitmapImage LevelImages[1];
extern Sprite PlayerSprite;
extern Sprite BlockSprite;
extern BitmapFile SharedBitmapFile;

// 1 when everything was made; 0 when a sprite could not be created, which the game runs on
// without; ARTWORK_UNUSABLE (artwork_file.h) when an artwork file is missing or unusable, which
// stops the start: the caller reports artwork_failure_line() and tears down.
std::int32_t game_set_up();
std::int32_t game_tear_down();
// The result of set_palette, or ARTWORK_UNUSABLE when a picture's file is unusable.
std::int32_t load_screen_images();
std::int32_t load_level_images();
// 0 when sprite_create fails, ARTWORK_UNUSABLE when the sheet's file is unusable, else 1.
std::int32_t create_player_sprite();
std::int32_t create_block_sprite();
// Reads the sprite's sheet and cuts every frame the game uses from it, at set-up and again
// when the frames' surfaces lost their pixels; 1, or ARTWORK_UNUSABLE with nothing cut.
std::int32_t cut_player_frames();
std::int32_t cut_block_frames();
