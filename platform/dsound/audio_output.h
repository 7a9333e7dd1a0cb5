// Which audio backend takes the mixed stream.
#pragma once

#include "platform/host/host_audio.h"

// The backend in use: the host's audio output unless a test chose one; null when the host
// has none.
AudioBackend* audio_backend();
void audio_use_backend(AudioBackend* backend);
