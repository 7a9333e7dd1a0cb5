// The mixed stream played through SDL's audio device.
#pragma once

#include "platform/dsound/audio_output.h"

AudioBackend* sdl_audio_backend();
