// The SDL2 host, which the real game runs on in Linux: window, keys, mouse, controllers,
// clock and SDL's audio device.
#pragma once

#include "platform/host/host.h"

const Host* sdl_host();
