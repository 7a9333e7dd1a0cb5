// Shared between the Windows presenter's window and its input: the program's window once
// the display is set, and the presenter's steady clock.
#pragma once

#include "platform/host/win32/win32_system.h"

#include <cstdint>

// Null until the program set its display mode.
HWND presenter_window();
// Microseconds on a steady clock, for the pass lengths.
std::int64_t presenter_microseconds();
