// Keyboard and mouse input from the host: window messages, the key and button state
// read by GetAsyncKeyState, the cursor's position, and the characters that TranslateMessage
// turns key presses into.
#pragma once

#include "platform/win32.h"

// Moves every pending host event into the queue, updating the key state.
void winapi_pump_events();
// Queues the characters typed with this WM_KEYDOWN as WM_CHAR, next in the queue; FALSE for
// any other message.
BOOL winapi_translate_key(const MSG* msg);
void winapi_reset_input();
