// The mixed stream played through SDL's audio device.
#pragma once

#include "platform/dsound/audio_backend.h"

AudioBackend* sdl_audio_backend();
