// Ogg Vorbis decoding over stb_vorbis's pull interface.
#include "formats/ogg_vorbis.h"

#include "formats/wave_format.h"

#include <cstring>
#include <new>

#define STB_VORBIS_HEADER_ONLY
#define STB_VORBIS_NO_PUSHDATA_API
#include "stb_vorbis.h"

struct OggStream {
    stb_vorbis* decoder;
    std::int32_t channels;
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

} // namespace

bool ogg_signature(const std::uint8_t* data, std::size_t size) {
    return data != nullptr && size >= 4 && std::memcmp(data, "OggS", 4) == 0;
}

bool ogg_decode(const std::uint8_t* data, std::size_t size, std::size_t max_bytes,
                std::int32_t* channels, std::int32_t* rate, std::vector<std::int16_t>* samples) {
    if (!ogg_signature(data, size) || size > 0x7FFFFFFF || !channels || !rate || !samples)
        return false;
    int error = 0;
    stb_vorbis* decoder = stb_vorbis_open_memory(data, static_cast<int>(size), &error, nullptr);
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
    int error = 0;
    stb_vorbis* decoder = stb_vorbis_open_file(file, 1, &error, nullptr);
    if (decoder == nullptr) return nullptr; // the decoder has closed the file
    std::int32_t shape_channels = 0;
    if (!playable(decoder, &shape_channels, rate)) {
        stb_vorbis_close(decoder);
        return nullptr;
    }
    *channels = shape_channels;
    auto* stream = new (std::nothrow) OggStream{decoder, shape_channels};
    if (stream == nullptr) stb_vorbis_close(decoder);
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
    delete stream;
}
