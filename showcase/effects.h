// The nine transition effects as the showcase presents them: their names, and which of
// them wipe pixels rather than change the palette.
#pragma once

#include <cstdint>

constexpr std::int32_t EFFECT_COUNT = 9;

// "fade to black" and so on; "" for a code that is no effect.
const char* effect_name(std::int32_t effect);
// True for the effects that draw into a buffer: the line wipes and the dissolve.
bool effect_is_wipe(std::int32_t effect);
