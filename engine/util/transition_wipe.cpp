// The rows and columns that each step of a line wipe closes, from both edges inwards.
#include "engine/util/transition_wipe.h"

#include "engine/util/transition_effects.h"

namespace {

// How far in from the edges the wipe closes; p runs 0, 2, 4, ... while below it.
std::int32_t closing_limit(std::int32_t effect, std::int32_t width, std::int32_t height) {
    switch (effect) {
    case TRANSITION_CLOSE_COLUMNS:
    case TRANSITION_ROWS_AND_COLUMNS:
        return width / 2;
    case TRANSITION_CLOSE_ROWS:
        return height / 2;
    default:
        return 0;
    }
}

// Two lines from the far edge and two from the near one, each pair moving inwards.
std::int32_t closing_lines(std::int32_t vertical, std::int32_t size, std::int32_t p,
                           WipeLine* lines) {
    lines[0] = {vertical, size - 1 - p};
    lines[1] = {vertical, p};
    lines[2] = {vertical, size - 1 - (p + 1)};
    lines[3] = {vertical, p + 1};
    return 4;
}

} // namespace

std::int32_t wipe_step_count(std::int32_t effect, std::int32_t width, std::int32_t height) {
    const std::int32_t limit = closing_limit(effect, width, height);
    return limit > 0 ? limit / 2 + limit % 2 : 0;
}

std::int32_t wipe_step_lines(std::int32_t effect, std::int32_t step, std::int32_t width,
                             std::int32_t height, WipeLine* lines) {
    if (lines == nullptr || step < 0 || step >= wipe_step_count(effect, width, height)) return 0;
    const std::int32_t p = 2 * step;
    if (effect == TRANSITION_CLOSE_COLUMNS) return closing_lines(1, width, p, lines);
    if (effect == TRANSITION_CLOSE_ROWS) return closing_lines(0, height, p, lines);
    // Rows and columns: the rows keep pace with the columns, so on a screen wider than it is
    // high they meet first and start again from the edges. A screen of one row has none to
    // close, and nothing to take the remainder by.
    const std::int32_t half_height = height / 2;
    std::int32_t count = 0;
    if (half_height > 0) count = closing_lines(0, height, p % half_height, lines);
    return count + closing_lines(1, width, p, lines + count);
}
