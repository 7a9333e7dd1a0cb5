// Keyboard and mouse input from the video backend: window messages and the key state read by
// GetAsyncKeyState.
#pragma once

// Moves every pending backend event into the queue, updating the key state.
void win32_pump_events();
void win32_reset_input();
