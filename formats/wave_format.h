// RIFF WAVE files of PCM sound (8-bit unsigned or 16-bit signed, mono or stereo), read and
// written in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The rates every part of the program plays (those DirectSound buffers take), and the most
// sample bytes a file may hold.
constexpr std::uint32_t WAVE_MIN_RATE = 100;
constexpr std::uint32_t WAVE_MAX_RATE = 200000;
constexpr std::uint32_t WAVE_MAX_DATA_BYTES = 16u << 20;

// Where a file's samples lie and what they are.
struct WaveLayout {
    std::int32_t channels; // 1 or 2
    std::int32_t bits;     // 8 or 16
    std::uint32_t rate;    // frames a second
    std::size_t data_offset;
    std::uint32_t data_bytes; // whole frames only, at least one
};

// Finds the format and the samples; false for anything but PCM in the supported shapes, or a
// file that is damaged, truncated or inconsistent. Reads no byte outside [data, data + size).
bool wave_decode(const std::uint8_t* data, std::size_t size, WaveLayout* layout);
// The same from the first `available` bytes of a file of `size` bytes, for files read a
// little at a time: the samples may run past the bytes at hand (and up to max_data_bytes),
// every header before them may not.
bool wave_scan(const std::uint8_t* data, std::size_t available, std::uint64_t size,
               std::uint32_t max_data_bytes, WaveLayout* layout);

// A whole file around the samples; empty when the shape is not one wave_decode accepts.
std::vector<std::uint8_t> wave_encode(std::int32_t channels, std::int32_t bits, std::uint32_t rate,
                                      const std::uint8_t* samples, std::uint32_t bytes);
