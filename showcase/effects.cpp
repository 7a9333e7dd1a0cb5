// Names and kinds of the transition effects.
#include "showcase/effects.h"

#include "engine/engine.h"

namespace {

const char* const EFFECT_NAMES[EFFECT_COUNT] = {
    "fade to black",    "fade to white", "closing columns", "closing rows", "random dissolve",
    "rows and columns", "fade to blue",  "fade to red",     "fade to green"};

} // namespace

const char* effect_name(std::int32_t effect) {
    return effect >= 0 && effect < EFFECT_COUNT ? EFFECT_NAMES[effect] : "";
}

bool effect_is_wipe(std::int32_t effect) {
    return effect == TRANSITION_CLOSE_COLUMNS || effect == TRANSITION_CLOSE_ROWS ||
           effect == TRANSITION_DISSOLVE || effect == TRANSITION_ROWS_AND_COLUMNS;
}
