// Which audio output takes the mixed stream.
#pragma once

#include "platform/host/host_audio.h"

// The output in use: the host's audio output unless a test chose one; null when the host
// has none.
AudioOutput* audio_output();
void audio_use_output(AudioOutput* backend);
