// Which audio output takes the mixed stream.
#include "platform/dsound/audio_output.h"

#include "platform/host/host.h"

namespace {

AudioOutput* Chosen = nullptr;

} // namespace

AudioOutput* audio_output() {
    if (Chosen) return Chosen;
    return host()->audio ? host()->audio() : nullptr;
}

void audio_use_output(AudioOutput* output) {
    Chosen = output;
}
