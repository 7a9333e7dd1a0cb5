// Test helpers that lay out bitmap files byte by byte, so that every header field and every
// stored row is under the test's control, and a private folder to write them into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

// Offsets of the header fields that tests change.
constexpr std::size_t BF_SIZE = 2, BF_OFF_BITS = 10, BI_SIZE = 14, BI_WIDTH = 18, BI_HEIGHT = 22,
                      BI_BIT_COUNT = 28, BI_COMPRESSION = 30, BI_SIZE_IMAGE = 34, BI_CLR_USED = 46;

// Stored pixel data from rows given top row first: each row padded with zero bytes to a
// multiple of 4, bottom row first.
Bytes stored_rows(const std::vector<Bytes>& top_first_rows);

// A whole file: headers (biSizeImage = the data's length), for 8 bits a 256-entry table
// whose entry i is (blue, green, red) = (i, 255 - i, i / 2), then the data.
Bytes bmp_file(std::int32_t width, std::int32_t height, std::uint16_t bits, const Bytes& data);

void put16(Bytes& bytes, std::size_t offset, std::uint16_t value);
void put32(Bytes& bytes, std::size_t offset, std::uint32_t value);

// Writes the bytes into the test's folder under that name and returns the full path.
std::string write_file(const std::string& name, const Bytes& bytes);
// A folder of this process under the system's temporary folder, created on first use.
std::string test_folder();
