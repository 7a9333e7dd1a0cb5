// The audio output's events, passed to whatever the sound side registered.
#include "platform/host/host_audio.h"

#include <atomic>

namespace {

// Written on the program's thread before an output opens, read on the output's thread.
std::atomic<const AudioOutputEvents*> Listener{nullptr};

} // namespace

void audio_output_listen(const AudioOutputEvents* events) {
    Listener.store(events);
}

void audio_output_lost() {
    if (const AudioOutputEvents* events = Listener.load()) events->lost();
}

void audio_output_back(std::uint64_t missed_frames) {
    if (const AudioOutputEvents* events = Listener.load()) events->back(missed_frames);
}

void audio_output_skip(std::uint64_t frames) {
    if (const AudioOutputEvents* events = Listener.load()) events->skip(frames);
}

int audio_output_heard() {
    const AudioOutputEvents* events = Listener.load();
    return events ? events->heard() : 0;
}
