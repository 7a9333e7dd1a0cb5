// The one queue of input between the hosts and the message pump above them: a host posts
// what its system reports (from its pump or from the system's callbacks), the pump takes it
// in order, oldest first.
#pragma once

#include "platform/host/host.h"

// Room for far more than a pump takes in one pass; a pump that falls this far behind loses
// the newest events rather than growing memory without bound.
constexpr int HOST_EVENT_CAPACITY = 1024;
// The most events one report of a system turns into (a string of typed text, a controller's
// keys): a host that pulls reports stops while less room than this is left, so that nothing
// it pulled is lost.
constexpr int HOST_EVENT_BURST = 64;

// Adds an event at the back; 0 when the queue is full and the event is dropped.
int host_event_post(const VideoEvent& event);
// Takes the oldest event; 0 when there is none.
int host_event_take(VideoEvent* event);
// How many more events fit.
int host_event_room();
// Forgets every waiting event (a window closed, a test starting afresh).
void host_events_clear();
