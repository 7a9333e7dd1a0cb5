// Which audio backend takes the mixed stream.
#pragma once

#include "platform/dsound/audio_backend.h"

// The backend in use: the recorder while the headless video backend shows the screen, the
// web one in a browser build, SDL's otherwise; a test may choose one.
AudioBackend* audio_backend();
void audio_use_backend(AudioBackend* backend);
