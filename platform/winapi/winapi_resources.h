// The program's own resources, icon 101 and cursor 9, read from the artwork's bitmap files
// beside the executable.
#pragma once

#include "platform/win32.h"

#include <cstdint>
#include <string>
#include <vector>

// A picture resource (icon or cursor) ready for a host: 32-bit 0xAARRGGBB pixels, row 0
// on top, the transparent colour already turned into alpha 0.
struct HICON__ {
    int width;
    int height;
    int hot_x;
    int hot_y;
    std::vector<std::uint32_t> argb;
};

// Reads an 8-bit bitmap resource file into an ARGB picture, palette index 253 becoming
// transparent. Returns 1 on success, 0 (picture untouched) for a missing or malformed file.
int read_resource_bitmap(const char* path, HICON__* picture);
// The folder of the running executable, with a trailing slash ("" when unknown).
std::string executable_folder();
