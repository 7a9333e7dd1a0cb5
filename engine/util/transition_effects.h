// The effect codes of the screen transitions, shared by the transitions and the account
// of where their line wipes draw.
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
