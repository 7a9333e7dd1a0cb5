// The short way in: one call opens a window with the display in it, one call a frame paces the
// loop, handles the messages and keeps the keys, the mouse, typed text and the game
// controllers as of this frame.
// What it makes stays reachable through the ordinary calls (MainWindow, back_surface, ...).
#pragma once

#include "platform/pads.h"
#include "platform/win32.h"

#include <cstdint>

// Mouse buttons for app_mouse_down and app_mouse_pressed.
constexpr std::int32_t APP_MOUSE_LEFT = 0;
constexpr std::int32_t APP_MOUSE_RIGHT = 1;
constexpr std::int32_t APP_MOUSE_MIDDLE = 2;

// Registers a window class, creates the window (MainWindow) and calls display_init; 1, or 0
// with the reason in the error log and nothing left open.
std::int32_t app_open(const char* title, std::int32_t width, std::int32_t height, std::int32_t bpp,
                      std::int32_t windowed);
// Waits out the rest of the frame time, handles every waiting message and updates the input
// state; 0 once the window has been asked to close, else 1.
std::int32_t app_frame();
// Shuts the display down and destroys the window; 0 when nothing was open.
std::int32_t app_close();
// The milliseconds a frame lasts, 30 unless set; 1 to 1000 are taken, 0 for anything else.
std::int32_t app_set_frame_time(std::int32_t milliseconds);
// A window procedure that sees every message after the input state has; null for none.
// Its result is the window's answer.
std::int32_t app_set_window_proc(WNDPROC proc);
// 1 while the key (a virtual-key code) is held, as of this frame.
std::int32_t app_key_down(std::int32_t vk);
// 1 in the one frame that saw the key go down, even when it came up again in that frame.
std::int32_t app_key_pressed(std::int32_t vk);
// 1 in the one frame that saw the key come up.
std::int32_t app_key_released(std::int32_t vk);
// The mouse's last position in display pixels; either pointer may be null.
void app_mouse(std::int32_t* x, std::int32_t* y);
// 1 while the button (APP_MOUSE_LEFT, _RIGHT or _MIDDLE) is held, as of this frame.
std::int32_t app_mouse_down(std::int32_t button);
// 1 in the one frame that saw the button go down.
std::int32_t app_mouse_pressed(std::int32_t button);
// The wheel's whole notches turned this frame, positive away from the user.
std::int32_t app_wheel();
// The text typed this frame, in the system's code page; empty when none.
const char* app_typed();
// One more than the highest number of a game controller plugged in, as of this frame: 0 with
// none. Controllers are numbered from 0; one unplugged leaves its number free, the others
// keep theirs, and plugged in again it gets its old number back if no other took it.
std::int32_t app_pad_count();
// 1 while controller `pad` holds the button (PAD_SOUTH, PAD_UP, ... of platform/pads.h), as of
// this frame; 0 for a controller not plugged in.
std::int32_t app_pad_down(std::int32_t pad, std::int32_t button);
// 1 in the one frame that saw the button go down, even when it came up again in that frame.
std::int32_t app_pad_pressed(std::int32_t pad, std::int32_t button);
// 1 in the one frame that saw the button come up, or its controller unplugged while held.
std::int32_t app_pad_released(std::int32_t pad, std::int32_t button);
// The axis (PAD_AXIS_LEFT_X, ... of platform/pads.h) as of this frame: sticks -32768 to 32767
// with y growing downwards, triggers 0 to 32767, 0 within the dead zone.
std::int32_t app_pad_axis(std::int32_t pad, std::int32_t axis);
