// Shared between the Windows host's window and its input: the program's window once
// DirectDraw was given it, the host's steady clock, and the controllers' reading.
#pragma once

#include "platform/host/windows/windows_system.h"

#include <cstdint>

// Null until DirectDraw was given the program's window.
HWND windows_window();
// Microseconds on a steady clock, for the pass lengths.
std::int64_t windows_microseconds();
// The host's millisecond clock, whose waits rest the processor.
std::uint32_t windows_ticks();
// Rests until that clock is within a millisecond of the deadline.
void windows_rest_until(std::uint32_t deadline);
// The keys as the program reads them: held only while the program has the focus, the
// controllers' keys added.
SHORT WINAPI windows_key_state(int virtual_key);

// Loads XInput when the system has it; 0 when there are no controllers to read.
int windows_pads_start();
// Reads the controllers and posts their keys' changes to the window as key messages. Called
// from the message pump, on the host's timer.
void windows_poll_pads(HWND window);
