// Sound buffers for tests of the DirectSound emulation: 16-bit mono, every frame's sample
// given by the test, so that what the stream carries tells which frame played.
#pragma once

#include "platform/dsound.h"

#include <cstdint>

// A PCM format with its block and byte rate worked out.
WAVEFORMATEX pcm_format(WORD channels, WORD bits, DWORD rate);

// Asks the device for a buffer of `bytes` bytes with those caps and format (null for the
// primary buffer); `into` gets it, or null.
HRESULT create_buffer(LPDIRECTSOUND8 device, DWORD flags, DWORD bytes, WAVEFORMATEX* format,
                      LPDIRECTSOUNDBUFFER* into);

using FrameSample = std::int16_t (*)(DWORD frame, int seed);

// A buffer of `frames` frames at `rate` with those caps; null when the device refuses it.
LPDIRECTSOUNDBUFFER make_mono16_buffer(LPDIRECTSOUND8 device, DWORD rate, DWORD frames, DWORD flags,
                                       FrameSample sample, int seed);
