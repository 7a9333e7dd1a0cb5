// Making and filling the tests' 16-bit mono buffers.
#include "support/sound_buffers.h"

LPDIRECTSOUNDBUFFER make_mono16_buffer(LPDIRECTSOUND8 device, DWORD rate, DWORD frames, DWORD flags,
                                       FrameSample sample, int seed) {
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 1;
    format.wBitsPerSample = 16;
    format.nSamplesPerSec = rate;
    format.nBlockAlign = 2;
    format.nAvgBytesPerSec = rate * 2;
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = flags;
    desc.dwBufferBytes = frames * 2;
    desc.lpwfxFormat = &format;
    LPDIRECTSOUNDBUFFER buffer = nullptr;
    if (FAILED(device->CreateSoundBuffer(&desc, &buffer, nullptr))) return nullptr;
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
