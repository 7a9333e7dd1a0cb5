// One pass's frame: bring back lost surfaces, clear, draw the current screen, run the player
// on the playing screen, present it, and show the cursor on every screen but the playing one.
#include "game/game_frame.h"

#include "engine/display/display_context.h"
#include "engine/display/frame.h"
#include "game/player.h"
#include "game/screen_sounds.h"
#include "game/screens.h"
#include "game/surface_recovery.h"
#include "platform/win32.h"

namespace {

// ShowCursor moves a counter rather than setting a state, so it is called only when the
// wanted visibility differs from the one applied last; the cursor starts out shown.
std::int32_t CursorShown = 1;

void set_cursor_shown(std::int32_t shown) {
    if (shown == CursorShown) return;
    ShowCursor(shown ? TRUE : FALSE);
    CursorShown = shown;
}

} // namespace

std::int32_t game_frame() {
    // While another program holds the display nothing can be drawn, and the physics would find
    // no ground to stand on: the frame is skipped, and the game waits where it was.
    if (!recover_lost_surfaces()) return 1;
    update_screen_sounds();
    int playing = GameState == STATE_PLAYING;
    fill_surface(back_surface, 0, nullptr);
    if (playing) apply_vertical_velocity();
    lock_back();
    if (playing)
        draw_level_image();
    else
        draw_screen_image();
    // The physics finds the ground in the freshly drawn background, before any sprite.
    if (playing) {
        rise_out_of_ground();
        update_player();
    }
    unlock_back();
    if (playing) {
        draw_player();
        place_and_draw_block(BLOCK_X, BLOCK_Y);
    }
    present_frame();
    set_cursor_shown(!playing);
    return 1;
}
