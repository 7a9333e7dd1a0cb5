// The browser host: the page's canvas, keys, mouse, touch and pads, the browser's clock and
// Web Audio (built with emscripten only).
#pragma once

#include "platform/host/host.h"

const Host* web_host();
