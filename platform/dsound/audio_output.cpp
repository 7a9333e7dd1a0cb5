// Which audio backend takes the mixed stream.
#include "platform/dsound/audio_output.h"

#include "platform/host/host.h"

namespace {

AudioBackend* Chosen = nullptr;

} // namespace

AudioBackend* audio_backend() {
    if (Chosen) return Chosen;
    return host()->audio ? host()->audio() : nullptr;
}

void audio_use_backend(AudioBackend* backend) {
    Chosen = backend;
}
