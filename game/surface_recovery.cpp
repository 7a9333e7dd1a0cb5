// Lost surfaces found at the start of a frame: the memory restored, the sprites' frames cut
// again from their sheets. The pictures live in ordinary memory and the back buffer is drawn
// whole every frame, so nothing else needs bringing back.
#include "game/surface_recovery.h"

#include "engine/display/frame.h"
#include "engine/display/surface_restore.h"
#include "game/setup.h"

namespace {

bool frames_lost(const Sprite& sprite) {
    for (IDirectDrawSurface7* frame : sprite.frames)
        if (surface_lost(frame)) return true;
    return false;
}

// Frames that no cut reaches again (the sheet gone meanwhile, or never cut) show nothing
// rather than what the memory held.
void clear_to_color_key(const Sprite& sprite) {
    for (IDirectDrawSurface7* frame : sprite.frames) {
        DDCOLORKEY key = {};
        if (frame != nullptr && SUCCEEDED(frame->GetColorKey(DDCKEY_SRCBLT, &key)))
            fill_surface(frame, static_cast<std::int32_t>(key.dwColorSpaceLowValue), nullptr);
    }
}

} // namespace

std::int32_t recover_lost_surfaces() {
    if (!display_lost() && !frames_lost(PlayerSprite) && !frames_lost(BlockSprite)) return 1;
    if (!display_restore()) return 0;
    clear_to_color_key(PlayerSprite);
    clear_to_color_key(BlockSprite);
    // A sprite that set-up could not make has no frames to cut.
    if (PlayerSprite.active) cut_player_frames();
    if (BlockSprite.active) cut_block_frames();
    return 1;
}
