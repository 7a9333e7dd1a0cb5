// The sound module: DirectSound made at start and let go at the end, and sounds made from
// WAVE files, each with a few copies so that one effect can sound over itself. Without a
// device every call is a harmless 0 and the program plays silently.
#pragma once

#include "engine/sound/wave_file.h"
#include "platform/dsound.h"

#include <cstdint>

// The device, or null while there is none (never started, or no audio output).
extern LPDIRECTSOUND8 sound_device;

// The cap on one sound's voices: at most this many copies of it play at once, and playing it
// again while all of them play restarts the one started longest ago.
constexpr std::int32_t SOUND_MAX_COPIES = 4;

// One sound; zero-fill the record before its first use.
struct Sound {
    LPDIRECTSOUNDBUFFER8 copies[SOUND_MAX_COPIES]; // null where none was made
    std::int32_t count;                            // copies made
    std::uint32_t started[SOUND_MAX_COPIES];       // when each copy last started, in plays
    std::uint32_t plays;                           // how many times the sound was started
};

// Makes the device for the window; 1, or 0 (logged) when there is no sound to be had.
std::int32_t sound_init(HWND window);
// Lets the device go; sounds still made stop and must still be destroyed.
std::int32_t sound_shutdown();

// Makes `copies` (1 to SOUND_MAX_COPIES) buffers holding the samples; 1 when at least one
// was made, else 0 with the record empty.
std::int32_t sound_create(Sound* sound, const WaveData* wave, std::int32_t copies);
// Reads the file and makes the sound from it; 0 when either fails.
std::int32_t sound_load(Sound* sound, const char* name, std::int32_t copies);
std::int32_t sound_destroy(Sound* sound);

// Starts a copy that is not playing from its start (the longest-playing one when all are),
// once or looping; 1 when it plays.
std::int32_t sound_play(Sound* sound, std::int32_t looping);
// Stops every copy.
std::int32_t sound_stop(Sound* sound);
// 1 while any copy plays.
std::int32_t sound_playing(const Sound* sound);
// Hundredths of a decibel, DSBVOLUME_MIN to 0; and DSBPAN_LEFT to DSBPAN_RIGHT, for every copy.
std::int32_t sound_set_volume(Sound* sound, LONG volume);
std::int32_t sound_set_pan(Sound* sound, LONG pan);
