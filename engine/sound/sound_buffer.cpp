// Making a sound's buffers from samples and letting them go.
#include "engine/sound/sound.h"

#include "engine/display/error_log.h"
#include "engine/sound/pcm_format.h"
#include "engine/sound/sound_failure.h"

#include <cstring>

namespace {

// Buffers hold whole frames and at least the smallest size DirectSound makes.
DWORD buffer_bytes(const WaveData& wave) {
    return wave.bytes < DSBSIZE_MIN ? DSBSIZE_MIN : wave.bytes;
}

LPDIRECTSOUNDBUFFER8 make_copy(const WaveData& wave) {
    WAVEFORMATEX format = pcm_format(wave.channels, wave.rate, wave.bits);
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    // Without DSBCAPS_GLOBALFOCUS: the game is silent while its window does not have the focus.
    desc.dwFlags =
        DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN | DSBCAPS_CTRLFREQUENCY | DSBCAPS_GETCURRENTPOSITION2;
    desc.dwBufferBytes = buffer_bytes(wave);
    desc.lpwfxFormat = &format;

    LPDIRECTSOUNDBUFFER plain = nullptr;
    HRESULT result = sound_device->CreateSoundBuffer(&desc, &plain, nullptr);
    if (FAILED(result)) {
        write_error_log("\nA sound buffer could not be made (0x%08X).",
                        static_cast<unsigned>(result));
        return nullptr;
    }
    LPDIRECTSOUNDBUFFER8 buffer = nullptr;
    result = plain->QueryInterface(IID_IDirectSoundBuffer8, reinterpret_cast<LPVOID*>(&buffer));
    plain->Release();
    if (sound_call_failed(result, "QueryInterface")) return nullptr;

    LPVOID part1 = nullptr;
    LPVOID part2 = nullptr;
    DWORD bytes1 = 0;
    DWORD bytes2 = 0;
    if (sound_call_failed(
            buffer->Lock(0, 0, &part1, &bytes1, &part2, &bytes2, DSBLOCK_ENTIREBUFFER), "Lock")) {
        buffer->Release();
        return nullptr;
    }
    // Silence fills what the samples do not (a file shorter than the smallest buffer).
    std::memset(part1, wave.bits == 8 ? 0x80 : 0, bytes1);
    std::memcpy(part1, wave.samples, wave.bytes < bytes1 ? wave.bytes : bytes1);
    if (sound_call_failed(buffer->Unlock(part1, bytes1, part2, bytes2), "Unlock")) {
        buffer->Release();
        return nullptr;
    }
    return buffer;
}

} // namespace

std::int32_t sound_create(Sound* sound, const WaveData* wave, std::int32_t copies) {
    if (!sound) return 0;
    std::memset(sound, 0, sizeof *sound);
    if (!sound_device || !wave || !wave->samples || wave->bytes == 0) return 0;
    if (copies < 1 || copies > SOUND_MAX_COPIES) return 0;
    for (std::int32_t i = 0; i < copies; ++i) {
        LPDIRECTSOUNDBUFFER8 buffer = make_copy(*wave);
        if (!buffer) break;
        sound->copies[sound->count++] = buffer;
    }
    return sound->count > 0 ? 1 : 0;
}

std::int32_t sound_load(Sound* sound, const char* name, std::int32_t copies) {
    if (!sound) return 0;
    std::memset(sound, 0, sizeof *sound);
    if (!sound_device) return 0;
    WaveData wave{};
    if (read_wave_file(&wave, name) != 1) return 0;
    const std::int32_t made = sound_create(sound, &wave, copies);
    release_wave(&wave);
    return made;
}

std::int32_t sound_destroy(Sound* sound) {
    if (!sound) return 0;
    for (std::int32_t i = 0; i < sound->count; ++i)
        if (sound->copies[i]) sound->copies[i]->Release();
    std::memset(sound, 0, sizeof *sound);
    return 1;
}
