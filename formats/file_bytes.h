// Whole files as bytes in memory, for the formats' readers and writers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Reads the whole file into `data`; false when it cannot be opened or read, or holds more
// than `max_bytes`, so that a huge file is refused rather than swallowed.
bool read_file_bytes(const char* path, std::size_t max_bytes, std::vector<std::uint8_t>* data);

// Writes the bytes as the whole file; false unless every byte was written and the file
// closed cleanly.
bool write_file_bytes(const char* path, const std::vector<std::uint8_t>& data);
