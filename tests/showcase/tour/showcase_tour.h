// Runs the showcase through its own WinMain on the headless backend: pressing a key at a
// chosen frame of each scene, keeping that frame, and recording every transition on the way.
#pragma once

#include "platform/host/headless/headless.h"

#include <cstdint>
#include <vector>

// The frame of each visit that is kept (and that the docs pictures show).
constexpr std::int32_t SHOT_FRAME = 45;

struct SceneShot {
    std::int32_t scene;
    std::int32_t clip[4]; // the clip rectangle while the frame was shown
    HeadlessFrame frame;
};

struct TransitionRecord {
    std::int32_t number; // counted from 1
    std::int32_t effect;
    std::int32_t from_scene;
    HeadlessFrame first;      // the old scene with the effect's name over it
    HeadlessFrame last;       // the effect's end, held on screen
    int presents;             // pictures shown while it played
    int palette_changes;      // of those, how many came with a palette unlike the one before
    std::vector<int> blanked; // pixels at palette index 0 in each picture shown
};

struct Tour {
    int exit_code;
    int live_objects; // DirectDraw objects left once the program has ended
    std::vector<SceneShot> shots;
    std::vector<TransitionRecord> transitions;
};

// Starts the showcase in the working directory; at SHOT_FRAME of each scene it keeps the
// frame and presses the next of `keys` (then Escape once they are used up).
Tour tour_showcase(const std::vector<int>& keys);

// Pixels at palette index 0.
int blanked_pixels(const HeadlessFrame& frame);
