// Ogg Vorbis sound through stb_vorbis: whole files decoded in memory, and files streamed a
// little at a time from disk. Samples come out 16-bit signed, mono or stereo (files of more
// channels are mixed down to two).
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <vector>

// Whether the bytes begin as an Ogg file does.
bool ogg_signature(const std::uint8_t* data, std::size_t size);

// Decodes a whole file; false when it is damaged, not Vorbis, of a rate outside 100 to
// 200000, or would decode to more than `max_bytes` of samples.
bool ogg_decode(const std::uint8_t* data, std::size_t size, std::size_t max_bytes,
                std::int32_t* channels, std::int32_t* rate, std::vector<std::int16_t>* samples);

// A file being streamed; opaque.
struct OggStream;
// Opens the file for streaming (the stream owns `file` and closes it); null, with the file
// closed, when it is not an Ogg Vorbis file that can be played.
OggStream* ogg_stream_open(std::FILE* file, std::int32_t* channels, std::int32_t* rate);
// Up to `frames` frames into `samples`, interleaved; how many came, 0 at the end.
std::int32_t ogg_stream_read(OggStream* stream, std::int16_t* samples, std::int32_t frames);
// Back to the first sample; false when the file cannot be read again.
bool ogg_stream_rewind(OggStream* stream);
void ogg_stream_close(OggStream* stream);
