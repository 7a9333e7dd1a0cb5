// The screens: the current screen and the highlighted menu entry, the key and mouse
// handling that moves between screens, and the frame that draws the current screen.
#pragma once

#include <cstdint>

constexpr std::int32_t STATE_MENU = -1;
constexpr std::int32_t STATE_PLAYING = 0;
constexpr std::int32_t STATE_INFO1 = 1;
constexpr std::int32_t STATE_INFO2 = 2;
constexpr std::int32_t STATE_QUITTING = 3;

extern std::int32_t GameState;
extern std::int32_t MenuSelection;
extern std::int32_t LevelNumber;

// Key presses on the menu and the information screens, and on the playing screen: true when
// the key was handled, false when it is left to the default handling.
bool handle_screen_key(std::int32_t virtual_key);
bool handle_play_key(std::int32_t virtual_key);
void handle_menu_click(std::int32_t x, std::int32_t y);
void draw_screen_image();
void draw_level_image();
