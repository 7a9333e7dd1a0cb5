// The web video backend, which the game shows its screen through in a browser page (built
// with emscripten only).
#pragma once

#include "platform/video/video_backend.h"

VideoBackend* web_video_backend();
