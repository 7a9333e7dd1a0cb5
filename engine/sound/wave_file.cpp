// Reading WAVE and Ogg Vorbis files: the bytes checked by the format's reader, the samples
// copied (or decoded) out.
#include "engine/sound/wave_file.h"

#include "engine/display/error_log.h"
#include "formats/file_bytes.h"
#include "formats/ogg_vorbis.h"
#include "formats/wave_format.h"

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// Room for the largest sample data and generous headers around it.
constexpr std::size_t MAX_FILE_BYTES = WAVE_MAX_DATA_BYTES + 65536;

} // namespace

namespace {

// An Ogg Vorbis file, decoded whole into 16-bit samples.
std::int32_t read_ogg_memory(WaveData* wave, const std::uint8_t* data, std::size_t size) {
    std::int32_t channels = 0, rate = 0;
    std::vector<std::int16_t> decoded;
    if (!ogg_decode(data, size, WAVE_MAX_DATA_BYTES, &channels, &rate, &decoded)) return 0;
    const std::size_t bytes = decoded.size() * 2;
    auto* samples = static_cast<std::uint8_t*>(std::malloc(bytes));
    if (!samples) return 0;
    // Samples are stored little-endian, as WAVE files hold them.
    for (std::size_t i = 0; i < decoded.size(); ++i) {
        const auto sample = static_cast<std::uint16_t>(decoded[i]);
        samples[2 * i] = static_cast<std::uint8_t>(sample & 0xFF);
        samples[2 * i + 1] = static_cast<std::uint8_t>(sample >> 8);
    }
    wave->channels = channels;
    wave->bits = 16;
    wave->rate = rate;
    wave->samples = samples;
    wave->bytes = static_cast<std::uint32_t>(bytes);
    return 1;
}

} // namespace

std::int32_t read_wave_memory(WaveData* wave, const std::uint8_t* data, std::size_t size) {
    if (!wave || wave->samples) return 0;
    if (ogg_signature(data, size)) return read_ogg_memory(wave, data, size);
    WaveLayout layout{};
    if (!wave_decode(data, size, &layout)) return 0;
    auto* samples = static_cast<std::uint8_t*>(std::malloc(layout.data_bytes));
    if (!samples) return 0;
    std::memcpy(samples, data + layout.data_offset, layout.data_bytes);
    wave->channels = layout.channels;
    wave->bits = layout.bits;
    wave->rate = static_cast<std::int32_t>(layout.rate);
    wave->samples = samples;
    wave->bytes = layout.data_bytes;
    return 1;
}

std::int32_t read_wave_file(WaveData* wave, const char* name) {
    if (!wave || !name || wave->samples) return 0;
    std::vector<std::uint8_t> bytes;
    if (!read_file_bytes(name, MAX_FILE_BYTES, &bytes)) {
        write_error_log("\nCannot read the sound file %s.", name);
        return 0;
    }
    if (read_wave_memory(wave, bytes.data(), bytes.size()) != 1) {
        write_error_log("\nThe sound file %s is neither a PCM WAVE nor an Ogg Vorbis file this "
                        "program plays.",
                        name);
        return 0;
    }
    return 1;
}

std::int32_t release_wave(WaveData* wave) {
    if (!wave) return 0;
    std::free(wave->samples);
    wave->samples = nullptr;
    wave->bytes = 0;
    return 1;
}
