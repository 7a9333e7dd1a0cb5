// The thread's message queue itself: posted and input messages in order, and the quit
// request, which is taken once nothing else is queued.
#pragma once

#include "platform/win32.h"

// Adds a message to the back of the queue, stamped with the last clock reading; 0 when the
// queue is full and the message is dropped.
int winapi_enqueue(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// A mouse move: while the last mouse message waiting is a move with the same buttons and
// modifiers, that one takes the new position instead, as Windows keeps one move per stretch
// of movement, so that a moving mouse never floods a program that takes a message a frame.
int winapi_enqueue_mouse_move(HWND window, WPARAM wparam, LPARAM lparam);
// The same at the front, for a message that must be taken next (a translated character).
int winapi_enqueue_front(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
// Takes (PM_REMOVE) or copies the first message that matches the filter, as PeekMessageA
// does after pumping; FALSE when none does.
BOOL winapi_take_message(LPMSG msg, HWND window, UINT filter_min, UINT filter_max, UINT remove);
void winapi_reset_queue();
