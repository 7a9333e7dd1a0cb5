// The screens' sounds follow from what changed since the last pass, so the keys and clicks
// that change the screens need not know about sound.
#include "game/screen_sounds.h"

#include "game/game_sounds.h"
#include "game/screens.h"

namespace {

// What the screens showed at the last pass; a program starts on the menu's first entry.
std::int32_t LastState = STATE_MENU;
std::int32_t LastSelection = 0;

} // namespace

void update_screen_sounds() {
    if (LastState == STATE_MENU && GameState != STATE_MENU)
        play_game_sound(SOUND_MENU_CHOOSE);
    else if (GameState == STATE_MENU && MenuSelection != LastSelection)
        play_game_sound(SOUND_MENU_MOVE);
    const bool playing = GameState == STATE_PLAYING;
    if (playing && !tune_playing())
        play_tune();
    else if (!playing && LastState == STATE_PLAYING)
        stop_tune();
    LastState = GameState;
    LastSelection = MenuSelection;
}
