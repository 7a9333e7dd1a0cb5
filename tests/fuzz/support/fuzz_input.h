// What the fuzz targets share: choices taken from the front of an input, the rest of the
// input handed to the readers as a file, and checks that stop the run loudly.
#pragma once

#include <cstddef>
#include <cstdint>

// Reads choices off the front of an input; past its end every choice is 0.
struct Choices {
    const std::uint8_t* data;
    std::size_t size;
    std::size_t used;
};

// The first `count` bytes of the input are choices; `rest` and `rest_size` get the others.
Choices take_choices(const std::uint8_t* data, std::size_t size, std::size_t count,
                     const std::uint8_t** rest, std::size_t* rest_size);
std::uint8_t choose_byte(Choices& choices);
// A small signed number, -8 to 115, or now and then one of the values that break careless
// arithmetic (0, -1, the extremes of 32 bits, 2^16, 2^30).
std::int32_t choose_coordinate(Choices& choices);
// A size of 1 to `largest`, or now and then 0 or a negative one.
std::int32_t choose_size(Choices& choices, std::int32_t largest);

// Gives the bytes a file name that the readers can open, in memory and private to this
// process; `slot` tells apart files needed at the same time. Aborts when it cannot.
const char* fuzz_file(const std::uint8_t* data, std::size_t size, int slot = 0);

// Ends the run with a message when a promise of the code under test is broken.
void fuzz_require(bool holds, const char* promise);
