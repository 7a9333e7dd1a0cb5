// The recorder: an audio output without a device, for tests. It mixes on the caller's
// thread as the headless video clock moves, and keeps the stream when asked to.
#pragma once

#include "platform/host/host_audio.h"

#include <cstdint>

AudioOutput* headless_audio_output();
// Closes the recorder, forgets the kept stream and any injected failure.
void headless_audio_reset();
// Makes the next open fail with this reason (null: it opens).
void headless_audio_fail_open(const char* reason);
// Keeps the next `max_frames` frames of the stream, from now on while the recorder is open,
// else from its next open; 1, or 0 when the memory cannot be had.
int headless_audio_keep(int max_frames);
// The recorder's device taken away and given back at the virtual clock's last reading: the
// stream goes on, silent while the device is away.
void headless_audio_unplug();
void headless_audio_plug();
// Whether the recorder is open, i.e. a DirectSound object is playing into it.
int headless_audio_is_open();
// The kept stream up to the last clock reading, interleaved left and right; `frames` gets
// how many frames it holds. Frame f played at headless_audio_start_ms() + f * 1000 / rate.
const std::int16_t* headless_audio_samples(int* frames);
std::uint32_t headless_audio_start_ms();
