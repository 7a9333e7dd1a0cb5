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

std::int32_t game_set_up();
std::int32_t game_tear_down();
std::int32_t load_screen_images();
std::int32_t load_level_images();
std::int32_t create_player_sprite();
std::int32_t create_block_sprite();
