// Palette text: 256 entries of red, green, blue and flags as decimal numbers, read from and
// written to an open stream. The caller opens the file, in the mode it wants, and closes it.
#pragma once

#include "formats/palette_entry.h"

#include <cstdio>

// Reads up to 256 entries of four numbers each, separated by any white space. Each number is
// kept as its low 8 bits, so -1 reads as 255 and 256 as 0. Reading stops for good at the first
// field that is missing or not a number: that field and every later one keep their values.
void palette_text_read(std::FILE* file, PaletteEntry* entries);

// Writes the 256 entries, each as a line break followed by "red green blue flags"; false when
// the stream reports an error (a full disk may show only when the caller closes the file).
bool palette_text_write(std::FILE* file, const PaletteEntry* entries);
