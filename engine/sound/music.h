// Streamed music: one tune at a time, read from its file (PCM WAVE or Ogg Vorbis) a little at
// a time into one looping DirectSound buffer of half a second that music_update refills on
// the game's thread. A tune of any length thus holds the same small memory, and a looped
// tune runs on from its last sample to its first with nothing between them.
#pragma once

#include "platform/dsound.h"

#include <cstdint>

// Stops any tune and starts this one from its start, once or looping; 1 when it plays, 0
// (logged) for a missing or damaged file, and a harmless 0 without a sound device.
std::int32_t music_play(const char* name, std::int32_t loop);
// Stops the tune and lets its file and buffer go; 0 when none played.
std::int32_t music_stop();
// Hundredths of a decibel, DSBVOLUME_MIN to 0; kept for later tunes too.
std::int32_t music_volume(LONG volume);
// 1 from music_play until a tune played once has been heard to its end, or is stopped.
std::int32_t music_playing();
// Refills what the buffer has played since the last call; once a frame (app_frame does it).
// A tune refilled less often than twice a second skips.
std::int32_t music_update();
