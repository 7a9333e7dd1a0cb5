// Where streamed music comes from: a PCM WAVE or Ogg Vorbis file read a little at a time, in
// the shape its buffer plays, and wound back to its start for the next time round.
#pragma once

#include <cstdint>
#include <cstdio>

struct OggStream;

struct MusicSource {
    std::int32_t channels; // 1 or 2
    std::int32_t bits;     // 8 or 16
    std::int32_t rate;
    std::FILE* wave; // a WAVE file's, or null
    std::uint64_t data_offset;
    std::uint32_t data_bytes;
    std::uint32_t data_read; // of data_bytes, since the last rewind
    OggStream* ogg;          // an Ogg file's, or null
};

// Opens the file and finds its shape; 1, or 0 (the source empty) with the reason logged.
std::int32_t music_source_open(MusicSource* source, const char* name);
// Fills up to `bytes` (whole frames) from where the source stands; how many came, 0 at the end.
std::uint32_t music_source_read(MusicSource* source, std::uint8_t* into, std::uint32_t bytes);
// Back to the first sample; 0 when the file cannot be read again.
std::int32_t music_source_rewind(MusicSource* source);
void music_source_close(MusicSource* source);
