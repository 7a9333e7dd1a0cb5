// The showcase program: a tour of the engine, one scene at a time, with a screen
// transition between scenes. Its state is public so that a headless run can follow it.
#pragma once

#include "engine/engine.h"
#include "platform/win32.h"

#include <cstdint>

constexpr std::int32_t SHOWCASE_WIDTH = 640;
constexpr std::int32_t SHOWCASE_HEIGHT = 480;
constexpr std::int32_t SHOWCASE_BPP = 8;
constexpr DWORD SHOWCASE_FRAME_MILLISECONDS = 30;
constexpr std::int32_t NO_TRANSITION = -1;

// The scene on screen, and how many of its frames have been drawn since it began.
extern std::int32_t CurrentScene;
extern std::int32_t SceneFrame;
// The effect playing right now, or NO_TRANSITION; and how many transitions have begun.
extern std::int32_t PlayingEffect;
extern std::int32_t TransitionsBegun;
// The palette the display started with; every scene begins with it.
extern Palette StartPalette;

// Set-up after the display exists: remembers the palette and enters the first scene.
void showcase_start();
// One pass of the main loop's work: a pending scene change with its transition, or the
// current scene's next frame.
void showcase_frame();
// Leaves the current scene, releasing what it made.
void showcase_stop();
// Asks for the next (+1) or the previous (-1) scene at the next frame.
void request_scene_change(std::int32_t direction);

LRESULT CALLBACK showcase_window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
