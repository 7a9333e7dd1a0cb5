// Caption bands and the transition banner, drawn on the back surface over the scene.
#include "showcase/caption.h"

#include "showcase/colours.h"
#include "showcase/drawing.h"
#include "showcase/effects.h"
#include "showcase/showcase.h"

#include <cstdio>

namespace {

constexpr std::int32_t BAND_COLOR = BLUE + 2;
const char* const KEYS_TEXT = "Right/Space: next     Left: back     Esc: quit";

} // namespace

void draw_caption(const Scene& scene, std::int32_t index) {
    fill_rectangle(0, 0, SHOWCASE_WIDTH, SCENE_TOP - 1, BAND_COLOR, back_surface);
    fill_rectangle(0, SCENE_BOTTOM + 1, SHOWCASE_WIDTH, SHOWCASE_HEIGHT, BAND_COLOR, back_surface);
    char title[96];
    std::snprintf(title, sizeof title, "%d/%d   %s", index + 1, SCENE_COUNT, scene.title);
    label(back_surface, 12, 3, WHITE, title);
    label(back_surface, 12, 20, BLUE + 13, scene.about);
    label(back_surface, 12, SCENE_BOTTOM + 4, GREY + 11, KEYS_TEXT);
}

void draw_transition_banner(std::int32_t effect) {
    fill_rectangle(160, 196, 480, 284, GOLD + 9, back_surface);
    fill_rectangle(162, 198, 478, 282, BLUE + 1, back_surface);
    char heading[64];
    std::snprintf(heading, sizeof heading, "Transition %d of %d: %s", effect + 1, EFFECT_COUNT,
                  effect_name(effect));
    // The banner's lines are centred in it, each by its own measured width.
    constexpr std::int32_t MIDDLE = 320;
    label_centred(back_surface, MIDDLE, 208, WHITE, heading);
    char call[64];
    std::snprintf(call, sizeof call, "screen_transition(%d, buffer, pitch)", effect);
    label_centred(back_surface, MIDDLE, 232, GOLD + 10, call);
    label_centred(back_surface, MIDDLE, 254, GREY + 10,
                  effect_is_wipe(effect) ? "wipes the locked primary's memory"
                                         : "changes the display palette");
}
