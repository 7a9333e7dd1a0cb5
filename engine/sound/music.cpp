// The music stream: a ring of half a second that the buffer plays round and round, written
// up to the play position on each update. At the end of its file a looping tune winds back
// within the same refill; a tune played once is followed by silence and stops when that
// silence has filled the ring, i.e. once its last sample has been heard.
#include "engine/sound/music.h"

#include "engine/sound/music_source.h"
#include "engine/sound/sound.h"
#include "engine/sound/pcm_format.h"
#include "engine/sound/sound_failure.h"

#include <cstring>

namespace {

struct MusicStream {
    MusicSource source;
    LPDIRECTSOUNDBUFFER8 buffer; // null while no tune plays
    DWORD size;                  // bytes in the ring
    DWORD next;                  // where the next refill writes
    std::int32_t loop;
    std::int32_t ended; // the file has given its last sample
    DWORD silence;      // bytes of silence written since
    LONG volume;
};

MusicStream music;

LPDIRECTSOUNDBUFFER8 make_buffer(const MusicSource& source, DWORD size) {
    WAVEFORMATEX format = pcm_format(source.channels, source.rate, source.bits);
    DSBUFFERDESC desc{};
    desc.dwSize = sizeof desc;
    desc.dwFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_GETCURRENTPOSITION2;
    desc.dwBufferBytes = size;
    desc.lpwfxFormat = &format;
    LPDIRECTSOUNDBUFFER plain = nullptr;
    if (sound_call_failed(sound_device->CreateSoundBuffer(&desc, &plain, nullptr),
                          "CreateSoundBuffer"))
        return nullptr;
    LPDIRECTSOUNDBUFFER8 buffer = nullptr;
    const HRESULT result =
        plain->QueryInterface(IID_IDirectSoundBuffer8, reinterpret_cast<LPVOID*>(&buffer));
    plain->Release();
    return sound_call_failed(result, "QueryInterface") ? nullptr : buffer;
}

// Samples from the file into one part of the ring, winding back at its end when looping.
void write_part(std::uint8_t* into, DWORD bytes) {
    while (bytes > 0 && !music.ended) {
        std::uint32_t got = music_source_read(&music.source, into, bytes);
        if (got == 0 && music.loop && music_source_rewind(&music.source))
            got = music_source_read(&music.source, into, bytes);
        if (got == 0) music.ended = 1; // the end, or a file that gives nothing from its start
        into += got;
        bytes -= got;
    }
    std::memset(into, music.source.bits == 8 ? 0x80 : 0, bytes);
    music.silence += bytes;
}

bool refill(DWORD bytes) {
    LPVOID part1 = nullptr, part2 = nullptr;
    DWORD bytes1 = 0, bytes2 = 0;
    if (sound_call_failed(
            music.buffer->Lock(music.next, bytes, &part1, &bytes1, &part2, &bytes2, 0), "Lock"))
        return false;
    write_part(static_cast<std::uint8_t*>(part1), bytes1);
    if (part2) write_part(static_cast<std::uint8_t*>(part2), bytes2);
    music.next = (music.next + bytes1 + bytes2) % music.size;
    return !sound_call_failed(music.buffer->Unlock(part1, bytes1, part2, bytes2), "Unlock");
}

} // namespace

std::int32_t music_play(const char* name, std::int32_t loop) {
    music_stop();
    if (!sound_device || !music_source_open(&music.source, name)) return 0;
    const DWORD frame = static_cast<DWORD>(music.source.channels * music.source.bits / 8);
    // At the lowest rate read (100) this is still far above DSBSIZE_MIN.
    music.size = static_cast<DWORD>(music.source.rate) / 2 * frame;
    music.buffer = make_buffer(music.source, music.size);
    music.loop = loop;
    if (!music.buffer || !refill(music.size) ||
        sound_call_failed(music.buffer->SetVolume(music.volume), "SetVolume") ||
        sound_call_failed(music.buffer->Play(0, 0, DSBPLAY_LOOPING), "Play")) {
        music_stop();
        return 0;
    }
    return 1;
}

std::int32_t music_stop() {
    const LONG volume = music.volume;
    const std::int32_t was = music.buffer != nullptr;
    if (music.buffer) {
        music.buffer->Stop();
        music.buffer->Release();
    }
    music_source_close(&music.source);
    music = {};
    music.volume = volume;
    return was;
}

std::int32_t music_volume(LONG volume) {
    if (volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return 0;
    music.volume = volume;
    return !music.buffer || !sound_call_failed(music.buffer->SetVolume(volume), "SetVolume");
}

std::int32_t music_playing() {
    return music.buffer != nullptr;
}

std::int32_t music_update() {
    if (!music.buffer) return 0;
    DWORD play = 0, write = 0;
    if (sound_call_failed(music.buffer->GetCurrentPosition(&play, &write), "GetCurrentPosition"))
        return 0;
    const DWORD played = (play + music.size - music.next) % music.size;
    if (played > 0 && !refill(played)) return 0;
    if (music.ended && music.silence >= music.size) music_stop();
    return 1;
}
