// Shared between the Windows presenter's window and its input: the program's window once
// DirectDraw was given it, the presenter's steady clock, and the controllers' reading.
#pragma once

#include "platform/host/win32/win32_system.h"

#include <cstdint>

// Null until DirectDraw was given the program's window.
HWND presenter_window();
// Microseconds on a steady clock, for the pass lengths.
std::int64_t presenter_microseconds();
// The presenter's millisecond clock, whose waits rest the processor.
std::uint32_t presenter_ticks();
// Rests until that clock is within a millisecond of the deadline.
void presenter_rest_until(std::uint32_t deadline);
// The keys as the program reads them: held only while the program has the focus, the
// controllers' keys added.
SHORT WINAPI presenter_key_state(int virtual_key);

// Loads XInput when the system has it; 0 when there are no controllers to read.
int presenter_pads_start();
// Reads the controllers and posts their keys' changes to the window as key messages. Called
// from the message pump, on the presenter's timer.
void presenter_poll_pads(HWND window);
