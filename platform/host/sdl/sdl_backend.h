// The SDL2 video backend, which the real game shows its screen through.
#pragma once

#include "platform/video/video_backend.h"

VideoBackend* sdl_video_backend();
