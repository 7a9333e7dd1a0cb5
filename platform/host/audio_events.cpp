// The audio output's and the message pump's events, passed to whatever the sound side
// registered.
#include "platform/host/host_audio.h"

#include <atomic>

namespace {

// Written on the program's thread before an output opens, read on the output's thread.
std::atomic<const AudioOutputEvents*> Listener{nullptr};
// Both on the program's thread.
const AudioWindowEvents* WindowListener = nullptr;
int WindowFocused = 1;

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

void audio_window_listen(const AudioWindowEvents* events) {
    WindowListener = events;
    if (WindowListener) WindowListener->focus(WindowFocused);
}

void audio_window_focus(int focused) {
    WindowFocused = focused != 0;
    if (WindowListener) WindowListener->focus(WindowFocused);
}

int audio_window_focused() {
    return WindowFocused;
}

void audio_pump() {
    if (WindowListener) WindowListener->pass();
}
