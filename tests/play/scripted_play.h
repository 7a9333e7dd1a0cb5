// Scripted play through the game's real entry point on the headless backend: keys pressed
// and let go at chosen passes of the main loop, and a record of every pass.
#pragma once

#include "platform/host/headless/headless.h"
#include "platform/win32.h"

#include <cstdint>
#include <vector>

struct ScriptedKey {
    int pass; // delivered by the message pump at the start of this pass
    int virtual_key;
    int down;
};

// What one pass of the main loop left behind at its present.
struct PassRecord {
    int pass;
    std::int32_t game_state;
    float x;
    float y;
    std::int32_t frame;
    std::int32_t velocity_x;
    std::int32_t velocity_y;
    bool picture_as_expected; // the screen's picture, and the sprites only where they stand
    bool level_palette;       // shown through the level's palette
};

struct PlayResult {
    int exit_code;
    std::vector<PassRecord> passes;
};

// Sees every picture presented by the loop, with the number of its pass.
using PassWatcher = void (*)(int pass, const HeadlessFrame& frame);

// Runs WinMain from the working directory with the keys scripted; passes are counted
// from 1 at the first pass of the loop.
PlayResult play(const std::vector<ScriptedKey>& keys, PassWatcher watcher = nullptr);

// The record of a pass, or null when the game had ended by then.
const PassRecord* at_pass(const PlayResult& result, int pass);
