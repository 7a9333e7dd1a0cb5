// The web host's game controllers: the browser's pads in the standard layout, pressing and
// releasing the keyboard's keys as the desktop's controllers do.
#pragma once

#include "platform/host/host.h"

// Starts taking the pads' keys into `push` (the host's event queue), or stops with null,
// letting go of whatever they held.
void web_gamepads_listen(void (*push)(const VideoEvent& event));
// Reads every connected pad and pushes a press or release for each key that changed; a pad
// unplugged lets go of what it held.
void web_gamepads_poll();
