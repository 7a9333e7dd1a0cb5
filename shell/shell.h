// The application shell: process entry, the window procedure, the main loop and its
// frame clock.
#pragma once

#include "platform/win32.h"

#include <cstdint>

extern DWORD FrameStartTicks;

LRESULT CALLBACK window_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
DWORD read_clock();
DWORD start_frame_clock();
DWORD wait_frame_clock(DWORD milliseconds);
