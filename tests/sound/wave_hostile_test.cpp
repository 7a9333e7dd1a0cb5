// Damaged and hostile WAVE files: each is refused with 0 and the record left empty, never
// read beyond the bytes given (the sanitizer builds check that: every case sits at the end
// of its own allocation); good files in every supported shape read back their samples.
#include "engine/sound/wave_file.h"
#include "formats/file_bytes.h"
#include "formats/wave_format.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

const std::uint8_t SAMPLES[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};

Bytes good() {
    return wave_encode(2, 16, 22050, SAMPLES, sizeof SAMPLES);
}

void put32(Bytes& b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

void put16(Bytes& b, std::size_t at, std::uint16_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

Bytes cut_at(std::size_t length) {
    Bytes b = good();
    b.resize(length);
    return b;
}

Bytes with(const std::function<void(Bytes&)>& change) {
    Bytes b = good();
    change(b);
    return b;
}

// A chunk of `length` bytes put between the header and the format.
Bytes with_chunk_before_format(const char* id, std::uint32_t length, std::size_t stored) {
    Bytes b = good();
    Bytes chunk(8 + stored, 0x77);
    std::memcpy(chunk.data(), id, 4);
    put32(chunk, 4, length);
    b.insert(b.begin() + 12, chunk.begin(), chunk.end());
    put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
    return b;
}

struct HostileCase {
    const char* name;
    std::function<Bytes()> make;
};

Bytes ogg_page(std::size_t junk) {
    Bytes b = {'O', 'g', 'g', 'S', 0, 2};
    b.resize(6 + junk, 0xFF);
    return b;
}

const HostileCase CASES[] = {
    {"empty", [] { return Bytes{}; }},
    {"Ogg signature only", [] { return ogg_page(0); }},
    {"Ogg page of junk", [] { return ogg_page(300); }},
    {"header cut short", [] { return cut_at(11); }},
    {"cut in the format", [] { return cut_at(30); }},
    {"cut in the samples", [] { return cut_at(good().size() - 1); }},
    {"not RIFF", [] { return with([](Bytes& b) { b[0] = 'X'; }); }},
    {"not WAVE", [] { return with([](Bytes& b) { b[11] = 'X'; }); }},
    {"RIFF length past the end", [] { return with([](Bytes& b) { put32(b, 4, 0xFFFFFFF0u); }); }},
    {"format chunk past the end", [] { return with([](Bytes& b) { put32(b, 16, 0x7FFFFFFFu); }); }},
    {"format chunk too short", [] { return with([](Bytes& b) { put32(b, 16, 8); }); }},
    {"data length past the end", [] { return with([](Bytes& b) { put32(b, 40, 0xFFFFFFFFu); }); }},
    {"data before the format",
     [] {
         Bytes b = good();
         std::memcpy(&b[12], "data", 4);
         std::memcpy(&b[36], "fmt ", 4);
         return b;
     }},
    {"no data chunk", [] { return with([](Bytes& b) { std::memcpy(&b[36], "junk", 4); }); }},
    {"data shorter than a frame", [] { return with([](Bytes& b) { put32(b, 40, 3); }); }},
    {"compressed", [] { return with([](Bytes& b) { put16(b, 20, 2); }); }},
    {"float samples", [] { return with([](Bytes& b) { put16(b, 20, 3); }); }},
    {"no channels", [] { return with([](Bytes& b) { put16(b, 22, 0); }); }},
    {"six channels", [] { return with([](Bytes& b) { put16(b, 22, 6); }); }},
    {"rate zero", [] { return with([](Bytes& b) { put32(b, 24, 0); }); }},
    {"rate absurd", [] { return with([](Bytes& b) { put32(b, 24, 0xFFFFFFFFu); }); }},
    {"bytes a second wrong", [] { return with([](Bytes& b) { put32(b, 28, 1); }); }},
    {"block align wrong", [] { return with([](Bytes& b) { put16(b, 32, 3); }); }},
    {"24-bit samples", [] { return with([](Bytes& b) { put16(b, 34, 24); }); }},
    {"two format chunks", [] { return with_chunk_before_format("fmt ", 16, 16); }},
    {"unknown chunk running past the end",
     [] { return with_chunk_before_format("LIST", 0xFFFFFFF0u, 4); }},
    {"huge data chunk",
     [] {
         Bytes b = good();
         put32(b, 40, WAVE_MAX_DATA_BYTES + 4);
         b.resize(44 + WAVE_MAX_DATA_BYTES + 4, 0);
         put32(b, 4, static_cast<std::uint32_t>(b.size() - 8));
         return b;
     }},
};

} // namespace

TEST(WaveHostile, EveryDamagedFileIsRefusedWithNothingHeld) {
    for (const HostileCase& c : CASES) {
        const Bytes bytes = c.make();
        // Its own allocation of exactly its size, so any read past it is caught.
        std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
        exact.shrink_to_fit();
        WaveData wave{};
        EXPECT_EQ(read_wave_memory(&wave, exact.data(), exact.size()), 0) << c.name;
        EXPECT_EQ(wave.samples, nullptr) << c.name;
        EXPECT_EQ(wave.bytes, 0u) << c.name;
    }
}

TEST(WaveFile, EveryShapeReadsBackItsSamplesAndUnknownChunksAreSkipped) {
    const auto folder = make_temp_folder("wave");
    // Channels, bits and rate: any rate DirectSound buffers take, the extremes among them.
    const int shapes[][3] = {{1, 8, 100}, {2, 8, 5000}, {1, 16, 96000}, {2, 16, 200000}};
    for (const auto& shape : shapes) {
        Bytes file = wave_encode(shape[0], shape[1], shape[2], SAMPLES, sizeof SAMPLES);
        ASSERT_FALSE(file.empty());
        const std::string name = (folder / "sound.wav").string();
        ASSERT_TRUE(write_file_bytes(name.c_str(), file));
        WaveData wave{};
        ASSERT_EQ(read_wave_file(&wave, name.c_str()), 1);
        EXPECT_EQ(wave.channels, shape[0]);
        EXPECT_EQ(wave.bits, shape[1]);
        EXPECT_EQ(wave.rate, shape[2]);
        ASSERT_EQ(wave.bytes, sizeof SAMPLES);
        EXPECT_EQ(std::memcmp(wave.samples, SAMPLES, sizeof SAMPLES), 0);
        EXPECT_EQ(read_wave_file(&wave, name.c_str()), 0) << "a full record is refused";
        release_wave(&wave);
        EXPECT_EQ(wave.samples, nullptr);
    }
    // A list chunk of odd length, padded, before the format; and trailing bytes of data
    // that make no whole frame are dropped.
    Bytes padded = with_chunk_before_format("LIST", 3, 4);
    put32(padded, padded.size() - sizeof SAMPLES - 4, sizeof SAMPLES - 1);
    WaveData wave{};
    ASSERT_EQ(read_wave_memory(&wave, padded.data(), padded.size()), 1);
    EXPECT_EQ(wave.bytes, 8u);
    release_wave(&wave);
    EXPECT_EQ(read_wave_file(&wave, (folder / "missing.wav").string().c_str()), 0);
    EXPECT_TRUE(wave_encode(1, 16, 99, SAMPLES, 2).empty());
    EXPECT_TRUE(wave_encode(1, 16, 200001, SAMPLES, 2).empty());
    EXPECT_TRUE(wave_encode(2, 16, 8000, SAMPLES, 6).empty()) << "not whole frames";
}
