// The mixed stream played through SDL's audio device, which may go away (headphones pulled
// out) and come back; the SDL calls it makes can be replaced by a scripted device for tests.
#pragma once

#include "platform/host/host_audio.h"

#include <cstdint>

AudioOutput* sdl_audio_output();

// The SDL calls behind the output: SDL's own, or a test's scripted device in their place.
// `open` starts pulling with `pull(data, stream, bytes)` and returns a device id, or 0.
struct SdlAudioCalls {
    int (*open)(int rate, void (*pull)(void* data, std::uint8_t* stream, int bytes), char* error,
                int error_size);
    void (*close)(int device);
    std::uint32_t (*ticks)(); // milliseconds, for how long a device was away
};
// Null goes back to SDL's own calls.
void sdl_audio_use_calls(const SdlAudioCalls* calls);

// What SDL reports about devices, from whichever thread it reports on; acted on by the next
// sdl_audio_service. `device` is the id of the device that went away.
void sdl_audio_device_removed(int device);
void sdl_audio_device_added();
// On the program's thread, once a pass: a removed device is closed and the player told once;
// after a device is added, the stream opens on the default device again.
void sdl_audio_service();
