// The RIFF WAVE layout: a "RIFF" header naming "WAVE", then chunks of an id and a length,
// each padded to an even length; "fmt " describes the samples and "data", after it, holds
// them. Chunks this program has no use for are stepped over.
#include "formats/wave_format.h"

#include "formats/bmp_headers.h"

#include <cstring>

namespace {

constexpr std::uint16_t FORMAT_PCM = 1;
constexpr std::size_t FORMAT_BYTES = 16;

std::uint16_t get16(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] | (at[1] << 8));
}

std::uint32_t get32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) | (static_cast<std::uint32_t>(at[1]) << 8) |
           (static_cast<std::uint32_t>(at[2]) << 16) | (static_cast<std::uint32_t>(at[3]) << 24);
}

bool supported_shape(std::int32_t channels, std::int32_t bits, std::uint32_t rate) {
    return (channels == 1 || channels == 2) && (bits == 8 || bits == 16) && rate >= WAVE_MIN_RATE &&
           rate <= WAVE_MAX_RATE;
}

bool read_format(const std::uint8_t* chunk, std::uint32_t length, WaveLayout* layout) {
    if (length < FORMAT_BYTES) return false;
    const std::uint16_t tag = get16(chunk);
    const std::int32_t channels = get16(chunk + 2);
    const std::uint32_t rate = get32(chunk + 4);
    const std::uint32_t per_second = get32(chunk + 8);
    const std::uint32_t align = get16(chunk + 12);
    const std::int32_t bits = get16(chunk + 14);
    if (tag != FORMAT_PCM || !supported_shape(channels, bits, rate)) return false;
    const std::uint32_t frame = static_cast<std::uint32_t>(channels * bits / 8);
    if (align != frame || per_second != rate * frame) return false;
    layout->channels = channels;
    layout->bits = bits;
    layout->rate = rate;
    return true;
}

// One chunk met on the walk: the format is read, the samples found; others are skipped.
// 1 when the samples were found, 0 to go on, -1 to refuse.
int take_chunk(const std::uint8_t* header, std::uint32_t length, std::uint64_t at,
               bool* have_format, WaveLayout* found) {
    if (std::memcmp(header, "fmt ", 4) == 0) {
        if (*have_format || !read_format(header + 8, length, found)) return -1;
        *have_format = true;
        return 0;
    }
    if (std::memcmp(header, "data", 4) != 0) return 0;
    if (!*have_format) return -1;
    const std::uint32_t frame = static_cast<std::uint32_t>(found->channels * found->bits / 8);
    found->data_offset = static_cast<std::size_t>(at + 8);
    found->data_bytes = length - length % frame;
    return found->data_bytes == 0 ? -1 : 1;
}

// Whether a chunk lies inside the RIFF data and, but for the samples, in the bytes at hand.
bool chunk_fits(const std::uint8_t* header, std::uint32_t length, std::uint64_t room,
                std::uint64_t at_hand, std::uint32_t max_data_bytes) {
    if (length > room) return false;
    if (std::memcmp(header, "data", 4) == 0) return length <= max_data_bytes;
    return length <= at_hand;
}

} // namespace

bool wave_scan(const std::uint8_t* data, std::size_t available, std::uint64_t size,
               std::uint32_t max_data_bytes, WaveLayout* layout) {
    if (!data || !layout || available < 12 || available > size) return false;
    if (std::memcmp(data, "RIFF", 4) != 0 || std::memcmp(data + 8, "WAVE", 4) != 0) return false;
    const std::uint64_t riff_end = static_cast<std::uint64_t>(get32(data + 4)) + 8;
    if (riff_end > size) return false; // truncated
    WaveLayout found{};
    bool have_format = false;
    std::uint64_t at = 12;
    // Every chunk header, and the format, must lie in the bytes at hand.
    while (at + 8 <= riff_end && at + 8 <= available) {
        const std::uint32_t length = get32(data + at + 4);
        if (!chunk_fits(data + at, length, riff_end - at - 8, available - at - 8, max_data_bytes))
            return false;
        const int taken = take_chunk(data + at, length, at, &have_format, &found);
        if (taken != 0) {
            if (taken > 0) *layout = found;
            return taken > 0;
        }
        at += 8 + static_cast<std::uint64_t>(length) + (length & 1);
    }
    return false;
}

bool wave_decode(const std::uint8_t* data, std::size_t size, WaveLayout* layout) {
    return wave_scan(data, size, size, WAVE_MAX_DATA_BYTES, layout);
}

std::vector<std::uint8_t> wave_encode(std::int32_t channels, std::int32_t bits, std::uint32_t rate,
                                      const std::uint8_t* samples, std::uint32_t bytes) {
    if (!supported_shape(channels, bits, rate) || !samples || bytes > WAVE_MAX_DATA_BYTES)
        return {};
    const std::uint32_t frame = static_cast<std::uint32_t>(channels * bits / 8);
    if (bytes == 0 || bytes % frame != 0) return {};
    const std::uint32_t padded = bytes + (bytes & 1);
    std::vector<std::uint8_t> file(44 + padded, 0);
    std::uint8_t* p = file.data();
    std::memcpy(p, "RIFF", 4);
    bmp_put32(p + 4, static_cast<std::uint32_t>(file.size() - 8));
    std::memcpy(p + 8, "WAVEfmt ", 8);
    bmp_put32(p + 16, FORMAT_BYTES);
    bmp_put16(p + 20, FORMAT_PCM);
    bmp_put16(p + 22, static_cast<std::uint16_t>(channels));
    bmp_put32(p + 24, rate);
    bmp_put32(p + 28, rate * frame);
    bmp_put16(p + 32, static_cast<std::uint16_t>(frame));
    bmp_put16(p + 34, static_cast<std::uint16_t>(bits));
    std::memcpy(p + 36, "data", 4);
    bmp_put32(p + 40, bytes);
    std::memcpy(p + 44, samples, bytes);
    return file;
}
