// The optional diagnostic log: a text file (or an adopted stream) that messages go to,
// flushed at once; while none is open, messages are dropped.
#pragma once

#include <cstdint>
#include <cstdio>

extern std::FILE* error_file;

std::int32_t open_error_log(const char* name, std::FILE* stream);
std::int32_t write_error_log(const char* format, ...) __attribute__((format(printf, 1, 2)));
std::int32_t close_error_log();
