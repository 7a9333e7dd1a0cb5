// The mixed stream played through SDL's audio device.
#pragma once

#include "platform/host/host_audio.h"

AudioBackend* sdl_audio_backend();
