// The application shell: process entry, the window procedure and the main loop, paced by
// the engine's frame clock.
#pragma once

#include "engine/util/frame_clock.h"
#include "platform/win32.h"

#include <cstdint>

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
