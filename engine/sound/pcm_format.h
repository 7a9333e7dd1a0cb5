// The PCM format record that DirectSound buffers are made with, filled from a sound's shape.
#pragma once

#include "platform/dsound.h"

#include <cstdint>

inline WAVEFORMATEX pcm_format(std::int32_t channels, std::int32_t rate, std::int32_t bits) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = static_cast<WORD>(channels);
    format.nSamplesPerSec = static_cast<DWORD>(rate);
    format.wBitsPerSample = static_cast<WORD>(bits);
    format.nBlockAlign = static_cast<WORD>(channels * bits / 8);
    format.nAvgBytesPerSec = format.nSamplesPerSec * format.nBlockAlign;
    return format;
}
