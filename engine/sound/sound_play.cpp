// Playing, stopping and shaping a sound: the copies share the work so that a sound started
// again while it plays sounds over itself rather than cutting itself off.
#include "engine/sound/sound.h"

#include "engine/sound/sound_failure.h"

namespace {

bool copy_playing(LPDIRECTSOUNDBUFFER8 buffer) {
    DWORD status = 0;
    if (!buffer || sound_call_failed(buffer->GetStatus(&status), "GetStatus")) return false;
    return (status & DSBSTATUS_PLAYING) != 0;
}

// A copy that is free, else the one started longest ago. Stamps are compared by their
// distance from now, so the count wrapping round after four billion plays changes nothing.
std::int32_t choose_copy(const Sound* sound) {
    std::int32_t oldest = 0;
    for (std::int32_t i = 0; i < sound->count; ++i) {
        if (!copy_playing(sound->copies[i])) return i;
        if (sound->plays - sound->started[i] > sound->plays - sound->started[oldest]) oldest = i;
    }
    return oldest;
}

} // namespace

std::int32_t sound_play(Sound* sound, std::int32_t looping) {
    if (!sound || sound->count <= 0 || sound->count > SOUND_MAX_COPIES) return 0;
    const std::int32_t chosen = choose_copy(sound);
    LPDIRECTSOUNDBUFFER8 buffer = sound->copies[chosen];
    if (!buffer) return 0;
    sound->started[chosen] = ++sound->plays;
    // Stopping first makes a copy that is playing start over rather than carry on.
    if (sound_call_failed(buffer->Stop(), "Stop") ||
        sound_call_failed(buffer->SetCurrentPosition(0), "SetCurrentPosition"))
        return 0;
    return sound_call_failed(buffer->Play(0, 0, looping ? DSBPLAY_LOOPING : 0), "Play") ? 0 : 1;
}

std::int32_t sound_stop(Sound* sound) {
    if (!sound || sound->count <= 0) return 0;
    std::int32_t stopped = 1;
    for (std::int32_t i = 0; i < sound->count && i < SOUND_MAX_COPIES; ++i)
        if (sound->copies[i] && sound_call_failed(sound->copies[i]->Stop(), "Stop")) stopped = 0;
    return stopped;
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
        if (sound->copies[i] && sound_call_failed(sound->copies[i]->SetVolume(volume), "SetVolume"))
            return 0;
    return 1;
}

std::int32_t sound_set_pan(Sound* sound, LONG pan) {
    if (!sound || sound->count <= 0 || pan < DSBPAN_LEFT || pan > DSBPAN_RIGHT) return 0;
    for (std::int32_t i = 0; i < sound->count && i < SOUND_MAX_COPIES; ++i)
        if (sound->copies[i] && sound_call_failed(sound->copies[i]->SetPan(pan), "SetPan"))
            return 0;
    return 1;
}
