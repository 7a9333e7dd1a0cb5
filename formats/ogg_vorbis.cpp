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

// stb_vorbis trusts the comment header's counts and lengths: a count its memory cannot hold
// makes it walk a list it never made, and a length past the packet makes it write outside
// the string it made. So that header is checked here first: reassembled from its pages, it
// must hold every comment it counts, and count no more than any real file carries.
constexpr std::uint32_t MOST_COMMENTS = 4096;

// The second packet (the comment header), as far as the bytes given hold it.
std::vector<std::uint8_t> second_packet(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> packet;
    int packets_ended = 0;
    for (std::size_t at = 0; packets_ended < 2 && size >= at + 27 &&
                             size - at - 27 >= data[at + 26] &&
                             std::memcmp(data + at, "OggS", 4) == 0;) {
        const std::size_t segments = data[at + 26];
        std::size_t from = at + 27 + segments;
        for (std::size_t i = 0; i < segments && packets_ended < 2 && from <= size; ++i) {
            const std::size_t length = std::min<std::size_t>(data[at + 27 + i], size - from);
            if (packets_ended == 1) packet.insert(packet.end(), data + from, data + from + length);
            from += data[at + 27 + i];
            packets_ended += data[at + 27 + i] < 255;
        }
        at = from;
    }
    return packet;
}

bool comments_sane(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> packet = second_packet(data, size);
    if (packet.size() < 7 || packet[0] != 3) return true; // not a header stb reads as comments
    std::uint64_t at = 7;
    for (std::uint64_t i = 0, count = 1; i <= count; ++i) {
        if (at + 4 > packet.size()) return false;
        const std::uint32_t length = get32(packet.data() + at);
        at += 4;
        if (i == 1 && length > MOST_COMMENTS) return false;
        if (i == 1)
            count = length + 1ull; // the vendor string, then the comments
        else
            at += length;
        if (at > packet.size()) return false;
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
    // Enough for the headers of any file worth playing as music, cover pictures and all.
    std::vector<std::uint8_t> head(1 << 20);
    head.resize(std::fread(head.data(), 1, head.size(), file));
    auto* arena = static_cast<char*>(std::malloc(ARENA_BYTES));
    if (arena == nullptr || !comments_sane(head.data(), head.size()) ||
        std::fseek(file, 0, SEEK_SET) != 0) {
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
