// The audio output a host gives the platform's mixer: where the mixed stream goes. SDL's audio
// device on Linux, Web Audio in the browser, and a recorder without a device for tests.
#pragma once

#include <cstdint>

// The stream's format, whatever the backend: 16-bit signed stereo at this rate.
constexpr int AUDIO_OUTPUT_RATE = 44100;

// Fills `frames` interleaved stereo frames; called by the backend, possibly on its own thread.
using AudioMixFunction = void (*)(std::int16_t* out, int frames);

struct AudioBackend {
    const char* name;
    // Starts pulling the stream from `mix`; on failure returns 0 and writes the reason.
    int (*open)(AudioMixFunction mix, char* error, int error_size);
    void (*close)();
    // Brings the stream up to the present before a buffer changes, where the backend mixes
    // on the caller's thread (the recorder, on the virtual clock); null where it does not.
    void (*catch_up)();
};
