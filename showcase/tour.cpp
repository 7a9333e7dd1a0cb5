// The tour through the scenes: each pass draws the current scene's next frame, and a
// requested change plays the next transition effect between the old scene and the new.
#include "showcase/caption.h"
#include "showcase/colours.h"
#include "showcase/effects.h"
#include "showcase/scene.h"
#include "showcase/showcase.h"

std::int32_t CurrentScene = 0;
std::int32_t SceneFrame = 0;
std::int32_t PlayingEffect = NO_TRANSITION;
std::int32_t TransitionsBegun = 0;
Palette StartPalette;

namespace {

// How long the end of an effect stays on screen before the next scene appears.
constexpr DWORD HOLD_MILLISECONDS = 300;

std::int32_t PendingDirection = 0;
std::int32_t NextEffect = 0;

// A scene without set-up or release leaves those hooks null.
void enter_scene() {
    if (SCENES[CurrentScene]->enter) SCENES[CurrentScene]->enter();
}

void leave_scene() {
    if (SCENES[CurrentScene]->leave) SCENES[CurrentScene]->leave();
}

// The scene's current frame, with the name of a transition over it when one is about to
// play, shown by flipping.
void draw_frame(const Scene& scene, std::int32_t effect) {
    fill_surface(back_surface, BLACK, nullptr);
    if (scene.draw_pixels) {
        if (std::uint8_t* pixels = lock_back()) {
            scene.draw_pixels(SceneFrame, pixels, back_pitch);
            unlock_back();
        }
    }
    scene.draw_surface(SceneFrame, back_surface);
    draw_caption(scene, CurrentScene);
    if (effect != NO_TRANSITION) draw_transition_banner(effect);
    present_frame();
}

void play_effect(std::int32_t effect) {
    if (effect_is_wipe(effect)) {
        // Wiping the memory on show, rather than the back buffer, lets each step be seen.
        if (std::uint8_t* screen = lock_primary()) {
            screen_transition(effect, screen, primary_pitch);
            unlock_primary();
        }
    } else {
        screen_transition(effect, nullptr, 0);
    }
    start_frame_clock();
    wait_frame_clock(HOLD_MILLISECONDS);
}

void change_scene(std::int32_t direction) {
    const std::int32_t effect = NextEffect;
    NextEffect = (NextEffect + 1) % EFFECT_COUNT;
    ++TransitionsBegun;
    PlayingEffect = effect;
    draw_frame(*SCENES[CurrentScene], effect);
    play_effect(effect);

    leave_scene();
    // Black on both surfaces before the palette returns, so that the old picture does not
    // flash up in its own colours.
    fill_surface(primary_surface, BLACK, nullptr);
    fill_surface(back_surface, BLACK, nullptr);
    set_palette(StartPalette);
    CurrentScene = (CurrentScene + direction + SCENE_COUNT) % SCENE_COUNT;
    SceneFrame = 0;
    enter_scene();
    PlayingEffect = NO_TRANSITION;
}

} // namespace

void showcase_start() {
    get_palette(StartPalette);
    CurrentScene = 0;
    SceneFrame = 0;
    PlayingEffect = NO_TRANSITION;
    TransitionsBegun = 0;
    PendingDirection = 0;
    NextEffect = 0;
    enter_scene();
}

void showcase_frame() {
    if (PendingDirection != 0) {
        const std::int32_t direction = PendingDirection;
        PendingDirection = 0;
        change_scene(direction);
        return;
    }
    const Scene& scene = *SCENES[CurrentScene];
    if (scene.step) scene.step(SceneFrame);
    draw_frame(scene, NO_TRANSITION);
    ++SceneFrame;
}

void showcase_stop() {
    leave_scene();
}

void request_scene_change(std::int32_t direction) {
    PendingDirection = direction < 0 ? -1 : 1;
}
