// The tests' PCM formats, and making and filling their 16-bit mono buffers.
#include "support/sound_buffers.h"

WAVEFORMATEX pcm_format(WORD channels, WORD bits, DWORD rate) {
    WAVEFORMATEX f{};
    f.wFormatTag = WAVE_FORMAT_PCM;
    f.nChannels = channels;
    f.wBitsPerSample = bits;
    f.nSamplesPerSec = rate;
    f.nBlockAlign = static_cast<WORD>(channels * bits / 8);
    f.nAvgBytesPerSec = rate * f.nBlockAlign;
    return f;
}

HRESULT create_buffer(LPDIRECTSOUND8 device, DWORD flags, DWORD bytes, WAVEFORMATEX* format,
                      LPDIRECTSOUNDBUFFER* into) {
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = flags;
    desc.dwBufferBytes = bytes;
    desc.lpwfxFormat = format;
    return device->CreateSoundBuffer(&desc, into, nullptr);
}

LPDIRECTSOUNDBUFFER make_mono16_buffer(LPDIRECTSOUND8 device, DWORD rate, DWORD frames, DWORD flags,
                                       FrameSample sample, int seed) {
    WAVEFORMATEX format = pcm_format(1, 16, rate);
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    if (FAILED(create_buffer(device, flags, frames * 2, &format, &buffer))) return nullptr;
    LPVOID part1 = nullptr;
    DWORD bytes1 = 0;
    if (FAILED(buffer->Lock(0, 0, &part1, &bytes1, nullptr, nullptr, DSBLOCK_ENTIREBUFFER))) {
        buffer->Release();
        return nullptr;
    }
    auto* samples = static_cast<std::int16_t*>(part1);
    for (DWORD i = 0; i < bytes1 / 2; ++i)
        samples[i] = sample(i, seed);
    buffer->Unlock(part1, bytes1, nullptr, 0);
    return buffer;
}
