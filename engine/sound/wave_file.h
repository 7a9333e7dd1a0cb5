// A sound file (RIFF WAVE, or Ogg Vorbis decoded once) read into memory: its PCM samples and
// their shape.
#pragma once

#include <cstddef>
#include <cstdint>

// One sound's samples; zero-fill the record before its first read.
struct WaveData {
    std::int32_t channels; // 1 or 2
    std::int32_t bits;     // 8 (unsigned) or 16 (signed, little-endian)
    std::int32_t rate;     // frames a second, 100 to 200000
    std::uint8_t* samples; // owned by the record, null if none
    std::uint32_t bytes;   // whole frames
};

// Reads a PCM WAVE file (8 or 16 bits, mono or stereo) or an Ogg Vorbis file (16 bits, more
// than two channels mixed to two); 1, or 0 with the record empty when the file is missing,
// damaged, of another kind or decodes to more than 16 MB. A record already holding samples is
// refused.
std::int32_t read_wave_file(WaveData* wave, const char* name);
// The same from a file's bytes in memory.
std::int32_t read_wave_memory(WaveData* wave, const std::uint8_t* data, std::size_t size);
// Frees the samples; the shape stays readable.
std::int32_t release_wave(WaveData* wave);
