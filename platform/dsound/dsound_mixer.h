// The mixer: every playing buffer resampled, scaled by its volume and pan and summed into
// one 16-bit stereo stream, clipped rather than wrapped. No allocation and no locking, so
// the audio thread can call it.
#pragma once

#include "platform/win32.h"

#include <cstdint>

// Gains are fixed point with 16 fraction bits: MIX_UNITY_GAIN passes a sample unchanged.
constexpr std::int32_t MIX_UNITY_GAIN = 1 << 16;

// One buffer as the mixer sees it. Positions and steps are in frames, 32.32 fixed point.
struct MixVoice {
    const std::uint8_t* data;
    std::uint32_t frames; // whole frames in the buffer
    int channels;         // 1 or 2
    int bits;             // 8 (unsigned) or 16 (signed)
    std::uint64_t position;
    std::uint64_t step; // the buffer's rate over the output's
    std::int32_t left_gain;
    std::int32_t right_gain;
    int looping;
    int playing; // cleared when a buffer played once reaches its end
};

// The gain of an attenuation in hundredths of a decibel (0 down to -10000, which is
// silence): 10 ^ (hundredths / 2000).
std::int32_t mix_gain(LONG hundredths);
// Volume and pan together: a pan to the right attenuates the left channel by as many
// hundredths of a decibel, and the other way round.
void mix_pan_gains(LONG volume, LONG pan, std::int32_t* left, std::int32_t* right);
// The 32.32 step that plays `rate` frames a second at `output_rate`.
std::uint64_t mix_step(DWORD rate, DWORD output_rate);

// Adds `frames` frames of the voice into `sum` (interleaved left, right) and advances it:
// a looping voice wraps to its start, another one stops at its end.
void mix_voice_add(MixVoice* voice, std::int32_t* sum, int frames);
// Moves the voice on by `frames` frames as mix_voice_add would, without a sound.
void mix_voice_skip(MixVoice* voice, std::uint64_t frames);
// Writes the sums as 16-bit samples, clipped to the 16-bit range.
void mix_clip(const std::int32_t* sum, std::int16_t* out, int samples);
