// The optional diagnostic log: a text file (or an adopted stream) that messages go to,
// flushed at once; while none is open, messages are dropped.
#pragma once

#include <cstdint>
#include <cstddef>
#include <cstdio>
#include <ctime>

// The open log, or null while none is open.
extern std::FILE* error_file;

// Opens the named file (or adopts the stream) and writes a timestamped first line.
std::int32_t open_error_log(const char* name, std::FILE* stream);
// Writes one printf-style message and flushes it; 0 while no log is open.
std::int32_t write_error_log(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Writes a closing line and closes the log (never stdout or stderr).
std::int32_t close_error_log();

// Builds the log's timestamp for a time of day: the ctime text with ".<milliseconds>, " put
// before the year, e.g. "Thu Jan  1 00:00:00.5, 1970\n". Returns 1, or 0 (text empty) when
// the time cannot be shown or `size` is too small.
std::int32_t format_log_timestamp(char* text, std::size_t size, std::time_t seconds,
                                  std::int32_t milliseconds);
