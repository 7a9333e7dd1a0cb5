// The frame clock over the platform's millisecond tick counter. The main loop paces its
// passes with it and the screen transitions their steps, so the two share one start time.
#pragma once

#include "platform/win32.h"

// Tick count at the last start_frame_clock.
extern DWORD FrameStartTicks;

// The platform's millisecond tick counter.
DWORD read_clock();
// Notes the start of a pass and returns its tick count.
DWORD start_frame_clock();
// Waits until the given milliseconds have passed since the last start: rests until then, then
// polls the tick counter to the very tick; returns one more reading.
DWORD wait_frame_clock(DWORD milliseconds);
