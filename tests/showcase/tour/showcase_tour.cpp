// The headless tour of the showcase.
#include "showcase_tour.h"

#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "showcase/showcase.h"

#include <algorithm>
#include <cstring>

namespace {

Tour* Current = nullptr;
const std::vector<int>* Keys = nullptr;
std::size_t NextKey = 0;
std::int32_t ShotVisit = -1; // the TransitionsBegun count of the visit last shot

void record_transition(const HeadlessFrame& frame) {
    std::vector<TransitionRecord>& list = Current->transitions;
    if (list.empty() || list.back().number != TransitionsBegun) {
        TransitionRecord record = {};
        record.number = TransitionsBegun;
        record.effect = PlayingEffect;
        record.from_scene = CurrentScene;
        record.first = frame;
        record.last = frame;
        list.push_back(record);
    }
    TransitionRecord& record = list.back();
    if (record.presents > 0 &&
        std::memcmp(record.last.palette, frame.palette, sizeof frame.palette) != 0)
        ++record.palette_changes;
    ++record.presents;
    record.last = frame;
    record.blanked.push_back(blanked_pixels(frame));
}

void on_present(const HeadlessFrame& frame) {
    if (PlayingEffect != NO_TRANSITION) {
        record_transition(frame);
        return;
    }
    if (SceneFrame != SHOT_FRAME || ShotVisit == TransitionsBegun) return;
    ShotVisit = TransitionsBegun;
    Current->shots.push_back(
        {CurrentScene, {clip_min_x, clip_min_y, clip_max_x, clip_max_y}, frame});
    // The press reaches the program at its next message pump.
    const DWORD now = headless_clock();
    if (NextKey < Keys->size()) {
        const int key = (*Keys)[NextKey++];
        headless_script_key(now + 1, key, 1);
        headless_script_key(now + 2, key, 0);
    } else {
        headless_script_key(now + 1, VK_ESCAPE, 1);
    }
}

} // namespace

int blanked_pixels(const HeadlessFrame& frame) {
    return static_cast<int>(std::count(frame.pixels.begin(), frame.pixels.end(), 0));
}

Tour tour_showcase(const std::vector<int>& keys) {
    Tour tour = {};
    Current = &tour;
    Keys = &keys;
    NextKey = 0;
    ShotVisit = -1;
    platform_reset();
    headless_keep_frames(1);
    headless_on_present(on_present);
    char command_line[] = "";
    tour.exit_code = WinMain(nullptr, nullptr, command_line, SW_SHOWNORMAL);
    headless_on_present(nullptr);
    tour.live_objects = ddraw_live_objects();
    Current = nullptr;
    Keys = nullptr;
    return tour;
}
