// The game's window losing the focus and being minimised in the middle of play, on the
// headless backend: a key held when the focus goes is let go, the sounds fall silent until
// the focus is back, nothing is presented while minimised though the passes go on, and on
// restore the picture is right at once, with no burst of presents catching up.
#include "scripted_play.h"

#include "game/screens.h"
#include "platform/host/audio/headless_audio.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

struct Seen {
    int pass;
    DWORD time;
    std::int32_t state;
};

constexpr int FOCUS_LOST_PASS = 50, FOCUS_BACK_PASS = 80, HIDDEN_PASS = 100;
constexpr DWORD HIDDEN_MS = 3000;

std::vector<Seen>* Log = nullptr;
DWORD FocusLostAt = 0, FocusBackAt = 0, HiddenAt = 0;

void script(int pass, const HeadlessFrame& frame) {
    if (pass == 1) {
        ASSERT_EQ(headless_audio_keep(44100 * 20), 1);
    }
    Log->push_back({pass, frame.time, GameState});
    const DWORD now = headless_clock();
    if (pass == FOCUS_LOST_PASS) {
        FocusLostAt = now;
        headless_script_focus_lost(now);
    } else if (pass == FOCUS_BACK_PASS) {
        FocusBackAt = now;
        headless_script_focus_gained(now);
    } else if (pass == HIDDEN_PASS) {
        // Minimised for three seconds; Escape, pressed meanwhile, still takes the game back
        // to the menu, so the restored window must show the menu at once.
        HiddenAt = now;
        headless_script_hidden(now, 1);
        headless_script_key(now + 500, VK_ESCAPE, 1);
        headless_script_key(now + 600, VK_ESCAPE, 0);
        headless_script_hidden(now + HIDDEN_MS, 0);
        headless_script_close(now + HIDDEN_MS + 1500);
    }
}

// Whether the kept stream has a sound anywhere in [from, to) of the clock.
bool heard_between(DWORD from, DWORD to) {
    int frames = 0;
    const std::int16_t* s = headless_audio_samples(&frames);
    const DWORD start = headless_audio_start_ms();
    for (int f = 0; f < frames; ++f) {
        const DWORD at = start + static_cast<DWORD>(f * 1000LL / 44100);
        if (at >= from && at < to && (s[2 * f] != 0 || s[2 * f + 1] != 0)) return true;
    }
    return false;
}

} // namespace

TEST(FocusAndMinimise, KeysLetGoSoundSilentNothingPresentedAndRightAtOnceOnReturn) {
    std::vector<Seen> seen;
    Log = &seen;
    // Enter starts the level; Right is held from pass 20 and never let go by the script.
    const PlayResult result =
        play({{2, VK_RETURN, 1}, {4, VK_RETURN, 0}, {20, VK_RIGHT, 1}}, script);
    Log = nullptr;
    ASSERT_EQ(result.exit_code, 0);
    ASSERT_GT(HiddenAt, 0u);

    // Walking right until the focus went, then standing: the held key was let go.
    const PassRecord* walking = at_pass(result, 30);
    const PassRecord* before_loss = at_pass(result, FOCUS_LOST_PASS);
    const PassRecord* after_loss = at_pass(result, FOCUS_LOST_PASS + 3);
    const PassRecord* later = at_pass(result, HIDDEN_PASS);
    ASSERT_TRUE(walking && before_loss && after_loss && later);
    EXPECT_EQ(walking->game_state, STATE_PLAYING);
    EXPECT_GT(before_loss->x, walking->x);
    EXPECT_EQ(later->x, after_loss->x);

    // The tune is heard with the focus, and not without it (a pass of slack at each change).
    EXPECT_TRUE(heard_between(FocusLostAt - 500, FocusLostAt));
    EXPECT_FALSE(heard_between(FocusLostAt + 40, FocusBackAt));
    EXPECT_TRUE(heard_between(FocusBackAt + 40, HiddenAt));

    // Nothing presented while minimised; then the menu, right, at the moment of the restore,
    // and presents at the loop's own pace after it.
    const DWORD shown_at = HiddenAt + HIDDEN_MS;
    int while_hidden = 0, first_after = -1, in_second_after = 0;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        if (seen[i].time > HiddenAt + 40 && seen[i].time < shown_at) ++while_hidden;
        if (seen[i].time >= shown_at && first_after < 0) first_after = static_cast<int>(i);
        if (seen[i].time >= shown_at && seen[i].time < shown_at + 1000) ++in_second_after;
    }
    EXPECT_EQ(while_hidden, 0);
    ASSERT_GE(first_after, 0);
    // The restore is heard at the next pump, within a pass of 30 ms.
    EXPECT_LE(seen[first_after].time - shown_at, 33u) << "presented at once on restore";
    EXPECT_EQ(seen[first_after].state, STATE_MENU) << "the passes went on while minimised";
    EXPECT_LE(in_second_after, 1000 / 30 + 2) << "no burst of catching up";
    EXPECT_GE(in_second_after, 1000 / 40);
    const PassRecord* restored = at_pass(result, seen[first_after].pass);
    ASSERT_NE(restored, nullptr);
    EXPECT_TRUE(restored->picture_as_expected);
}
