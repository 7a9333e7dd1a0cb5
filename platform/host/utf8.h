// Reading typed text: UTF-8 bytes to Unicode code points, for the hosts that receive text
// as UTF-8 and for scripted text in tests.
#pragma once

// The code point that starts at text[*at] (within `length` bytes), moving *at past it; -1 at
// the end. A malformed sequence yields U+FFFD for its first byte and goes on after it.
int utf8_next(const char* text, int length, int* at);
