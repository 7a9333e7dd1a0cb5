// Where the line wipes draw: the rows and columns of each step, apart from the drawing, so
// that screen_transition and its checks share one account of the closing lines.
#pragma once

#include <cstdint>

// One line of a wipe step, across the whole screen.
struct WipeLine {
    std::int32_t vertical; // 1: column `at` from the top row to the bottom; 0: row `at`
    // The column or row.
    std::int32_t at;
};

// The most lines one step draws: four rows and four columns.
constexpr std::int32_t WIPE_MAX_LINES = 8;

// Steps of a line wipe (closing columns, closing rows, rows and columns) on a screen of
// width x height pixels; 0 for every other effect and for a screen too small to close.
std::int32_t wipe_step_count(std::int32_t effect, std::int32_t width, std::int32_t height);

// Fills `lines` with the lines of step `step` (0 to wipe_step_count - 1) in drawing order and
// returns how many there are.
std::int32_t wipe_step_lines(std::int32_t effect, std::int32_t step, std::int32_t width,
                             std::int32_t height, WipeLine* lines);
