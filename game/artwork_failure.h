// Reading one artwork file at start; a file that is missing or unusable ends the program
// with a message that names it, since the game cannot run without its pictures.
#pragma once

#include "engine/engine.h"

#include <cstdint>

// The exit code of a start that failed for want of artwork.
constexpr int ARTWORK_EXIT_CODE = 2;

// Reads `name` into `bitmap` and checks that it is an 8-bit picture of at least
// min_width x min_height pixels. On failure it writes one line naming the file and the
// folder it was looked for in to standard error, frees everything set-up has made so far
// and ends the process with ARTWORK_EXIT_CODE; it returns only with a usable picture.
void load_artwork_file(BitmapFile* bitmap, const char* name, std::int32_t min_width,
                       std::int32_t min_height);
