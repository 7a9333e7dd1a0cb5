// What every scene of the showcase provides, and the table of scenes in showing order.
#pragma once

#include "platform/ddraw.h"

#include <cstdint>

struct Scene {
    const char* title;      // shown in the caption
    const char* about;      // one line under the title: the calls at work
    const char* short_name; // names its picture, docs/showcase-<short_name>.png
    // Makes what the scene needs, with the start palette installed (may be null).
    void (*enter)();
    // Advances the scene's state by one frame (may be null).
    void (*step)(std::int32_t frame);
    // Draws into the locked back buffer (frame as given to the last step; may be null).
    void (*draw_pixels)(std::int32_t frame, std::uint8_t* buffer, std::int32_t pitch);
    // Draws onto the unlocked back surface: blits and text.
    void (*draw_surface)(std::int32_t frame, IDirectDrawSurface7* surface);
    // Releases what enter made (may be null).
    void (*leave)();
};

constexpr std::int32_t SCENE_COUNT = 5;
extern const Scene* const SCENES[SCENE_COUNT];

extern const Scene LINES_SCENE;
extern const Scene TRIANGLES_SCENE;
extern const Scene POLYGONS_SCENE;
extern const Scene PALETTE_SCENE;
extern const Scene SPRITES_SCENE;
