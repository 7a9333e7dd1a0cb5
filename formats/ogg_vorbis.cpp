// Ogg Vorbis decoding over stb_vorbis's pull interface.
#include "formats/ogg_vorbis.h"

#include "formats/wave_format.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>

#define STB_VORBIS_HEADER_ONLY
#define STB_VORBIS_NO_PUSHDATA_API
#include <stb_vorbis.h>

// The decoder works inside memory of ours, never allocating its own: a file it refuses
// halfway through its headers then leaves nothing behind, and a stream's memory is bounded.
constexpr int ARENA_BYTES = 640 * 1024;

struct OggStream {
    stb_vorbis* decoder;
    std::int32_t channels;
    char* arena;
};

namespace {

// The decoder's shape as played: at most two channels, at a rate buffers take.
bool playable(stb_vorbis* decoder, std::int32_t* channels, std::int32_t* rate) {
    const stb_vorbis_info info = stb_vorbis_get_info(decoder);
    if (info.channels < 1 || info.sample_rate < WAVE_MIN_RATE || info.sample_rate > WAVE_MAX_RATE)
        return false;
    *channels = info.channels > 2 ? 2 : info.channels;
    *rate = static_cast<std::int32_t>(info.sample_rate);
    return true;
}

std::uint32_t get32(const std::uint8_t* at) {
    return at[0] | at[1] << 8 | at[2] << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

// stb_vorbis cannot refuse a comment count its memory cannot hold: it then walks a list it
// never made. Real files carry a handful of comments, so a count beyond this is refused here,
// read from the comment header at the start of the second page, where every writer puts it.
constexpr std::uint32_t MOST_COMMENTS = 4096;

bool comments_sane(const std::uint8_t* data, std::size_t size) {
    std::size_t at = 0;
    for (int page = 0; page < 2; ++page) {
        if (size < at + 27 || std::memcmp(data + at, "OggS", 4) != 0) return true;
        const std::size_t segments = data[at + 26];
        if (size < at + 27 + segments) return true;
        std::size_t body = 0;
        for (std::size_t i = 0; i < segments; ++i)
            body += data[at + 27 + i];
        if (page == 0) {
            at += 27 + segments + body;
            continue;
        }
        const std::uint8_t* packet = data + at + 27 + segments;
        const std::size_t room = std::min(body, size - (at + 27 + segments));
        if (room < 11 || packet[0] != 3) return true;
        const std::uint64_t count_at = 11 + static_cast<std::uint64_t>(get32(packet + 7));
        return count_at + 4 > room || get32(packet + count_at) <= MOST_COMMENTS;
    }
    return true;
}

} // namespace

bool ogg_signature(const std::uint8_t* data, std::size_t size) {
    return data != nullptr && size >= 4 && std::memcmp(data, "OggS", 4) == 0;
}

bool ogg_decode(const std::uint8_t* data, std::size_t size, std::size_t max_bytes,
                std::int32_t* channels, std::int32_t* rate, std::vector<std::int16_t>* samples) {
    if (!ogg_signature(data, size) || size > 0x7FFFFFFF || !channels || !rate || !samples ||
        !comments_sane(data, size))
        return false;
    int error = 0;
    std::vector<char> arena(ARENA_BYTES);
    const stb_vorbis_alloc alloc = {arena.data(), ARENA_BYTES};
    stb_vorbis* decoder = stb_vorbis_open_memory(data, static_cast<int>(size), &error, &alloc);
    if (decoder == nullptr) return false;
    std::int32_t shape_channels = 0, shape_rate = 0;
    bool good = playable(decoder, &shape_channels, &shape_rate);
    std::vector<std::int16_t> decoded;
    constexpr int CHUNK = 4096;
    while (good) {
        const std::size_t at = decoded.size();
        decoded.resize(at + CHUNK * static_cast<std::size_t>(shape_channels));
        const int frames = stb_vorbis_get_samples_short_interleaved(
            decoder, shape_channels, decoded.data() + at, CHUNK * shape_channels);
        decoded.resize(at + static_cast<std::size_t>(frames) * shape_channels);
        if (frames <= 0) break;
        good = decoded.size() * 2 <= max_bytes;
    }
    stb_vorbis_close(decoder);
    if (!good || decoded.empty()) return false;
    *channels = shape_channels;
    *rate = shape_rate;
    *samples = std::move(decoded);
    return true;
}

OggStream* ogg_stream_open(std::FILE* file, std::int32_t* channels, std::int32_t* rate) {
    if (file == nullptr) return nullptr;
    std::vector<std::uint8_t> head(65536);
    head.resize(std::fread(head.data(), 1, head.size(), file));
    auto* arena = static_cast<char*>(std::malloc(ARENA_BYTES));
    if (arena == nullptr || !comments_sane(head.data(), head.size()) || std::fseek(file, 0, SEEK_SET) != 0) {
        std::free(arena);
        std::fclose(file);
        return nullptr;
    }
    int error = 0;
    const stb_vorbis_alloc alloc = {arena, ARENA_BYTES};
    stb_vorbis* decoder = stb_vorbis_open_file(file, 1, &error, &alloc);
    std::int32_t shape_channels = 0;
    // A decoder that fails to open has closed the file itself.
    if (decoder != nullptr && !playable(decoder, &shape_channels, rate)) {
        stb_vorbis_close(decoder);
        decoder = nullptr;
    }
    auto* stream = decoder ? new (std::nothrow) OggStream{decoder, shape_channels, arena} : nullptr;
    if (stream == nullptr) {
        if (decoder) stb_vorbis_close(decoder);
        std::free(arena);
        return nullptr;
    }
    *channels = shape_channels;
    return stream;
}

std::int32_t ogg_stream_read(OggStream* stream, std::int16_t* samples, std::int32_t frames) {
    if (stream == nullptr || samples == nullptr || frames <= 0) return 0;
    const int got = stb_vorbis_get_samples_short_interleaved(stream->decoder, stream->channels,
                                                             samples, frames * stream->channels);
    return got > 0 ? got : 0;
}

bool ogg_stream_rewind(OggStream* stream) {
    return stream != nullptr && stb_vorbis_seek_start(stream->decoder) != 0;
}

void ogg_stream_close(OggStream* stream) {
    if (stream == nullptr) return;
    stb_vorbis_close(stream->decoder);
    std::free(stream->arena);
    delete stream;
}
