// Fuzz target: the WAVE and Ogg Vorbis reader on any bytes, through a file and from memory. Both
// agree; an accepted file holds whole frames of a supported shape taken from inside the input, and
// writing them out again reads back to the same samples; a refused one leaves nothing held.
//
// Input: the file's contents.
#include "fuzz_input.h"

#include "engine/sound/wave_file.h"
#include "formats/ogg_vorbis.h"
#include "formats/wave_format.h"

#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    WaveData from_memory{};
    const std::int32_t read = read_wave_memory(&from_memory, data, size);
    WaveData from_file{};
    fuzz_require(read_wave_file(&from_file, fuzz_file(data, size)) == read,
                 "the file and memory readers agree");
    if (read != 1) {
        fuzz_require(!from_memory.samples && from_memory.bytes == 0, "a refusal holds nothing");
        return 0;
    }
    const std::uint32_t frame =
        static_cast<std::uint32_t>(from_memory.channels * from_memory.bits / 8);
    fuzz_require(frame >= 1 && frame <= 4 && from_memory.bytes % frame == 0 &&
                     from_memory.bytes > 0,
                 "whole frames of a supported shape");
    // Ogg Vorbis is decoded, so only WAVE samples are a part of the input.
    fuzz_require(ogg_signature(data, size) || from_memory.bytes <= size,
                 "the samples come from inside the input");
    fuzz_require(from_file.bytes == from_memory.bytes &&
                     std::memcmp(from_file.samples, from_memory.samples, from_memory.bytes) == 0,
                 "both readers give the same samples");
    const std::vector<std::uint8_t> again = wave_encode(
        from_memory.channels, from_memory.bits, static_cast<std::uint32_t>(from_memory.rate),
        from_memory.samples, from_memory.bytes);
    WaveData round{};
    fuzz_require(read_wave_memory(&round, again.data(), again.size()) == 1,
                 "a written file reads back");
    fuzz_require(round.bytes == from_memory.bytes && round.rate == from_memory.rate &&
                     std::memcmp(round.samples, from_memory.samples, round.bytes) == 0,
                 "to the same samples");
    release_wave(&round);
    release_wave(&from_file);
    release_wave(&from_memory);
    return 0;
}
