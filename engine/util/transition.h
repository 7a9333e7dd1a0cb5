// Blocking full-screen transitions: five palette fades and four wipes to colour 0.
#pragma once

#include <cstdint>

constexpr std::int32_t TRANSITION_FADE_BLACK = 0;
constexpr std::int32_t TRANSITION_FADE_WHITE = 1;
constexpr std::int32_t TRANSITION_CLOSE_COLUMNS = 2;
constexpr std::int32_t TRANSITION_CLOSE_ROWS = 3;
constexpr std::int32_t TRANSITION_DISSOLVE = 4;
constexpr std::int32_t TRANSITION_ROWS_AND_COLUMNS = 5;
constexpr std::int32_t TRANSITION_FADE_BLUE = 6;
constexpr std::int32_t TRANSITION_FADE_RED = 7;
constexpr std::int32_t TRANSITION_FADE_GREEN = 8;

// Plays one effect to its end. The wipes draw into the buffer (8- or 16-bit by the
// screen's depth); the fades change the display palette. Other codes do nothing.
void screen_transition(std::int32_t effect, std::uint8_t* buffer, std::int32_t pitch);
