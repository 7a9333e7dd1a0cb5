// Reading one artwork file at start. A file that is missing or unusable stops the start: the
// loader keeps a line that names it and its folder for WinMain to print before it ends the
// program, since the game cannot run without its pictures.
#pragma once

#include "engine/engine.h"

#include <cstdint>

// The exit code of a start that failed for want of artwork.
constexpr int ARTWORK_EXIT_CODE = 2;
// What set-up's loaders return when an artwork file is unusable.
constexpr std::int32_t ARTWORK_UNUSABLE = -1;

// Reads `name` into `bitmap` and checks that it is an 8-bit picture of at least
// min_width x min_height pixels. Returns 1 with a usable picture; otherwise releases the
// record's pixels, keeps the line that reports the failure, and returns ARTWORK_UNUSABLE.
std::int32_t load_artwork_file(BitmapFile* bitmap, const char* name, std::int32_t min_width,
                               std::int32_t min_height);

// The line, with its line break, that names the last unusable file, what was wrong with it
// and the folder it was looked for in; "" while every file read so far was usable. Set-up
// stops at the first such file, so that is the one named.
const char* artwork_failure_line();
