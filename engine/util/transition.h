// Blocking full-screen transitions: five palette fades and four wipes to colour 0.
#pragma once

#include <cstdint>

// Effect codes for screen_transition: fades of the palette, and wipes to colour 0.
constexpr std::int32_t TRANSITION_FADE_BLACK = 0;
constexpr std::int32_t TRANSITION_FADE_WHITE = 1;
constexpr std::int32_t TRANSITION_CLOSE_COLUMNS = 2;
constexpr std::int32_t TRANSITION_CLOSE_ROWS = 3;
constexpr std::int32_t TRANSITION_DISSOLVE = 4;
constexpr std::int32_t TRANSITION_ROWS_AND_COLUMNS = 5;
constexpr std::int32_t TRANSITION_FADE_BLUE = 6;
constexpr std::int32_t TRANSITION_FADE_RED = 7;
constexpr std::int32_t TRANSITION_FADE_GREEN = 8;

// Plays one effect to its end. The fades change the display palette; the wipes draw colour 0
// into the buffer, 8- or 16-bit by the screen's depth, through the clip rectangle (the
// dissolve unclipped, inside the screen's size). Fade and line-wipe steps pause 12 ms each
// on the frame clock. Without a buffer, at other depths or on a screen without pixels the
// wipes draw nothing, though the line wipes still take their steps. Other codes do nothing.
void screen_transition(std::int32_t effect, std::uint8_t* buffer, std::int32_t pitch);
