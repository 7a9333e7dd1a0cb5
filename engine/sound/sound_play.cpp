// Playing, stopping and shaping a sound: the copies share the work so that a sound started
// again while it plays sounds over itself rather than cutting itself off.
#include "engine/sound/sound.h"

namespace {

bool copy_playing(LPDIRECTSOUNDBUFFER8 buffer) {
    DWORD status = 0;
    return buffer && SUCCEEDED(buffer->GetStatus(&status)) && (status & DSBSTATUS_PLAYING);
}

} // namespace

std::int32_t sound_play(Sound* sound, std::int32_t looping) {
    if (!sound || sound->count <= 0 || sound->count > SOUND_MAX_COPIES) return 0;
    std::int32_t chosen = -1;
    for (std::int32_t i = 0; i < sound->count && chosen < 0; ++i)
        if (!copy_playing(sound->copies[i])) chosen = i;
    if (chosen < 0) {
        // Every copy plays: the one started longest ago starts over.
        chosen = sound->next % sound->count;
        sound->copies[chosen]->Stop();
    }
    sound->next = (chosen + 1) % sound->count;
    LPDIRECTSOUNDBUFFER8 buffer = sound->copies[chosen];
    if (!buffer || FAILED(buffer->SetCurrentPosition(0))) return 0;
    return SUCCEEDED(buffer->Play(0, 0, looping ? DSBPLAY_LOOPING : 0)) ? 1 : 0;
}

std::int32_t sound_stop(Sound* sound) {
    if (!sound || sound->count <= 0) return 0;
    for (std::int32_t i = 0; i < sound->count && i < SOUND_MAX_COPIES; ++i)
        if (sound->copies[i]) sound->copies[i]->Stop();
    return 1;
}

std::int32_t sound_playing(const Sound* sound) {
    if (!sound) return 0;
    for (std::int32_t i = 0; i < sound->count && i < SOUND_MAX_COPIES; ++i)
        if (copy_playing(sound->copies[i])) return 1;
    return 0;
}

std::int32_t sound_set_volume(Sound* sound, LONG volume) {
    if (!sound || sound->count <= 0 || volume < DSBVOLUME_MIN || volume > DSBVOLUME_MAX) return 0;
    for (std::int32_t i = 0; i < sound->count && i < SOUND_MAX_COPIES; ++i)
        if (sound->copies[i] && FAILED(sound->copies[i]->SetVolume(volume))) return 0;
    return 1;
}

std::int32_t sound_set_pan(Sound* sound, LONG pan) {
    if (!sound || sound->count <= 0 || pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT) return 0;
    for (std::int32_t i = 0; i < sound->count && i < SOUND_MAX_COPIES; ++i)
        if (sound->copies[i] && FAILED(sound->copies[i]->SetPan(pan))) return 0;
    return 1;
}
