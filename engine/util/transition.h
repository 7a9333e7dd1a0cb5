// Blocking full-screen transitions: five palette fades and four wipes to colour 0.
#pragma once

#include "engine/util/transition_effects.h"

#include <cstdint>

// Plays one effect to its end. The fades change the display palette; the wipes draw colour 0
// into the buffer, 8- or 16-bit by the screen's depth, through the clip rectangle (the
// dissolve unclipped, inside the screen's size). Fade and line-wipe steps pause 12 ms each
// on the frame clock. Without a buffer, at other depths or on a screen without pixels the
// wipes draw nothing, though the line wipes still take their steps. Other codes do nothing.
void screen_transition(std::int32_t effect, std::uint8_t* buffer, std::int32_t pitch);
