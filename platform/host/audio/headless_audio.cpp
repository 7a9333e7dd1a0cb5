// The recorder: the stream mixed up to the virtual clock's last reading whenever a buffer
// is about to change, so a sound started in a frame is heard from that frame's time on.
#include "platform/host/audio/headless_audio.h"

#include "platform/host/screen.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int CHUNK_FRAMES = 512;

struct Recorder {
    int open;
    AudioMixFunction mix;
    std::uint32_t start_ms;
    std::uint32_t last_ms;
    std::uint64_t elapsed_ms;
    std::uint64_t mixed_frames;
    const char* fail_reason;
    std::int16_t* kept;
    int kept_capacity; // frames
    int kept_frames;
    std::uint64_t kept_from; // the stream's frame that became the first one kept
};

Recorder State{};
std::int16_t Scratch[CHUNK_FRAMES * 2];

void catch_up() {
    if (!State.open) return;
    const std::uint32_t now = video_last_ticks();
    // A clock put back (a reset between tests) only moves the origin.
    if (now >= State.last_ms) State.elapsed_ms += now - State.last_ms;
    State.last_ms = now;
    const std::uint64_t target = State.elapsed_ms * AUDIO_OUTPUT_RATE / 1000;
    while (State.mixed_frames < target) {
        const std::uint64_t left = target - State.mixed_frames;
        const int n = left < CHUNK_FRAMES ? static_cast<int>(left) : CHUNK_FRAMES;
        State.mix(Scratch, n);
        const int room = State.kept_capacity - State.kept_frames;
        const int keep = room < n ? room : n;
        if (keep > 0) {
            std::memcpy(State.kept + 2 * State.kept_frames, Scratch,
                        sizeof(std::int16_t) * 2 * keep);
            State.kept_frames += keep;
        }
        State.mixed_frames += n;
    }
}

int open_recorder(AudioMixFunction mix, char* error, int error_size) {
    if (State.fail_reason) {
        std::snprintf(error, error_size, "%s", State.fail_reason);
        State.fail_reason = nullptr;
        return 0;
    }
    State.open = 1;
    State.mix = mix;
    State.start_ms = State.last_ms = video_last_ticks();
    State.elapsed_ms = 0;
    State.mixed_frames = 0;
    State.kept_frames = 0;
    State.kept_from = 0;
    return 1;
}

void close_recorder() {
    catch_up();
    State.open = 0;
    State.mix = nullptr;
}

AudioOutput Backend = {"headless", open_recorder, close_recorder, catch_up, nullptr};

} // namespace

AudioOutput* headless_audio_output() {
    return &Backend;
}

void headless_audio_reset() {
    State.open = 0;
    State.mix = nullptr;
    State.fail_reason = nullptr;
    std::free(State.kept);
    State.kept = nullptr;
    State.kept_capacity = 0;
    State.kept_frames = 0;
}

void headless_audio_fail_open(const char* reason) {
    State.fail_reason = reason;
}

int headless_audio_keep(int max_frames) {
    catch_up();
    State.kept_from = State.open ? State.mixed_frames : 0;
    std::free(State.kept);
    State.kept = nullptr;
    State.kept_capacity = 0;
    State.kept_frames = 0;
    if (max_frames <= 0) return 1;
    State.kept = static_cast<std::int16_t*>(std::malloc(static_cast<std::size_t>(max_frames) * 4));
    if (!State.kept) return 0;
    State.kept_capacity = max_frames;
    return 1;
}

void headless_audio_unplug() {
    catch_up();
    audio_output_lost();
}

// The recorder mixed on while the device was away, so nothing was missed.
void headless_audio_plug() {
    catch_up();
    audio_output_back(0);
}

int headless_audio_is_open() {
    return State.open;
}

const std::int16_t* headless_audio_samples(int* frames) {
    catch_up();
    *frames = State.kept_frames;
    return State.kept;
}

std::uint32_t headless_audio_start_ms() {
    return State.start_ms +
           static_cast<std::uint32_t>((State.kept_from * 1000 + AUDIO_OUTPUT_RATE / 2) /
                                      AUDIO_OUTPUT_RATE);
}
