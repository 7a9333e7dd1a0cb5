// Reading music files piecemeal. Only the headers and one refill's samples are ever held, so
// a tune of any length costs the same memory.
#include "engine/sound/music_source.h"

#include "engine/display/error_log.h"
#include "formats/ogg_vorbis.h"
#include "formats/wave_format.h"

#include <cstring>

namespace {

// The headers of any WAVE file worth playing lie well inside this.
constexpr std::size_t HEAD_BYTES = 4096;

std::int64_t length_of(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0) return -1;
    const long length = std::ftell(file);
    return length < 0 || std::fseek(file, 0, SEEK_SET) != 0 ? -1 : length;
}

std::int32_t open_wave(MusicSource* source, std::FILE* file, const std::uint8_t* head,
                       std::size_t got, std::int64_t length) {
    WaveLayout layout{};
    // A tune may be far longer than a sound: only its headers are checked here.
    if (!wave_scan(head, got, static_cast<std::uint64_t>(length), 0xFFFFFFFFu, &layout)) return 0;
    source->channels = layout.channels;
    source->bits = layout.bits;
    source->rate = static_cast<std::int32_t>(layout.rate);
    source->wave = file;
    source->data_offset = layout.data_offset;
    source->data_bytes = layout.data_bytes;
    return music_source_rewind(source);
}

std::int32_t open_ogg(MusicSource* source, std::FILE* file) {
    if (std::fseek(file, 0, SEEK_SET) != 0) return 0;
    source->ogg = ogg_stream_open(file, &source->channels, &source->rate);
    source->bits = 16;
    return source->ogg != nullptr;
}

} // namespace

std::int32_t music_source_open(MusicSource* source, const char* name) {
    *source = {};
    std::FILE* file = name ? std::fopen(name, "rb") : nullptr;
    if (!file) {
        write_error_log("\nNo music: cannot open %s", name ? name : "(no name)");
        return 0;
    }
    std::uint8_t head[HEAD_BYTES];
    const std::int64_t length = length_of(file);
    const std::size_t got = length < 0 ? 0 : std::fread(head, 1, sizeof head, file);
    std::int32_t opened = 0;
    if (ogg_signature(head, got)) {
        opened = open_ogg(source, file); // the stream owns the file from here
        file = nullptr;
    } else if (length > 0) {
        opened = open_wave(source, file, head, got, length);
    }
    if (!opened) {
        if (file) std::fclose(file);
        *source = {};
        write_error_log("\nNo music: %s is no PCM WAVE or Ogg Vorbis file", name);
    }
    return opened;
}

std::uint32_t music_source_read(MusicSource* source, std::uint8_t* into, std::uint32_t bytes) {
    const std::uint32_t frame = static_cast<std::uint32_t>(source->channels * source->bits / 8);
    bytes -= bytes % frame;
    if (source->ogg) {
        const std::int32_t frames =
            ogg_stream_read(source->ogg, reinterpret_cast<std::int16_t*>(into),
                            static_cast<std::int32_t>(bytes / frame));
        return static_cast<std::uint32_t>(frames) * frame;
    }
    if (!source->wave) return 0;
    const std::uint32_t left = source->data_bytes - source->data_read;
    const std::size_t got = std::fread(into, 1, bytes < left ? bytes : left, source->wave);
    const auto whole = static_cast<std::uint32_t>(got - got % frame);
    source->data_read += whole;
    return whole;
}

std::int32_t music_source_rewind(MusicSource* source) {
    if (source->ogg) return ogg_stream_rewind(source->ogg) ? 1 : 0;
    source->data_read = 0;
    return source->wave &&
           std::fseek(source->wave, static_cast<long>(source->data_offset), SEEK_SET) == 0;
}

void music_source_close(MusicSource* source) {
    if (source->ogg) ogg_stream_close(source->ogg);
    if (source->wave) std::fclose(source->wave);
    *source = {};
}
