// The player switching away from the full-screen game and back: every surface loses its
// pixels between two passes, and the next frame shows the whole picture again, the same as a
// game that never lost them shows at that pass.
#include "game/game_window.h"
#include "scripted_play.h"

#include "game/game_frame.h"
#include "game/player_state.h"
#include "game/screens.h"
#include "game/setup.h"
#include "platform/ddraw/ddraw_emulation.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <vector>

namespace {

std::uint64_t picture_hash(const HeadlessFrame& frame) {
    std::uint64_t hash = 14695981039346656037ull;
    auto mix = [&hash](std::uint8_t byte) { hash = (hash ^ byte) * 1099511628211ull; };
    for (std::uint8_t byte : frame.pixels)
        mix(byte);
    for (const HostColor& entry : frame.palette) {
        mix(entry.red);
        mix(entry.green);
        mix(entry.blue);
    }
    return hash;
}

// Every picture each pass presented, by pass number; surfaces lost after a pass's first
// present when that pass is in LosePasses.
std::vector<std::vector<std::uint64_t>> Presents;
std::set<int> LosePasses;

// Passes are counted, and keys delivered, by presents: a game that never presents again
// would run on for ever, so the window is closed well after the script's end.
constexpr DWORD GIVE_UP_MS = 20000;

void watch(int pass, const HeadlessFrame& frame) {
    if (Presents.empty()) headless_script_close(headless_clock() + GIVE_UP_MS);
    if (Presents.size() <= static_cast<size_t>(pass)) Presents.resize(pass + 1);
    Presents[pass].push_back(picture_hash(frame));
    if (Presents[pass].size() == 1 && LosePasses.count(pass)) ddraw_lose_all_surfaces();
}

struct PlayedRun {
    PlayResult result;
    std::vector<std::vector<std::uint64_t>> presents;
};

PlayedRun play_losing_at(const std::vector<ScriptedKey>& keys, std::set<int> lose) {
    // What the last run left in the game's own state, as a fresh process starts it.
    GameState = STATE_MENU;
    MenuSelection = 0;
    PlayerVelocityX = PlayerVelocityY = JumpRising = 0;
    Presents.clear();
    LosePasses = std::move(lose);
    PlayedRun run;
    run.result = play(keys, watch);
    run.presents = Presents;
    return run;
}

} // namespace

TEST(LostSurfaces, EveryScreenIsWholeAgainTheFrameAfterTheLoss) {
    const std::vector<ScriptedKey> keys = {
        {5, VK_RETURN, 1},   {6, VK_RETURN, 0},   // start from the menu
        {20, VK_RIGHT, 1},                        // walk right
        {30, VK_NEXT, 1},    {40, VK_NEXT, 0},    // jump up onto the low platform
        {60, VK_DELETE, 1},  {84, VK_DELETE, 0},  // run off it and down the steps
        {90, VK_RIGHT, 0},                        //
        {100, VK_ESCAPE, 1}, {101, VK_ESCAPE, 0}, // back to the menu
        {105, 'H', 1},       {106, 'H', 0},       // first information screen
        {115, VK_ESCAPE, 1}, {116, VK_ESCAPE, 0}, //
        {120, 'Q', 1},                            // quit
    };
    // On the menu, walking, in the air, running, standing, on the menu again and on an
    // information screen.
    const std::set<int> lose = {3, 25, 33, 70, 95, 103, 110};
    const PlayedRun clean = play_losing_at(keys, {});
    const PlayedRun lost = play_losing_at(keys, lose);

    EXPECT_EQ(lost.result.exit_code, 0);
    ASSERT_EQ(lost.result.passes.size(), clean.result.passes.size());
    ASSERT_EQ(lost.presents.size(), clean.presents.size());
    ASSERT_GE(clean.presents.size(), 120u);
    for (size_t pass = 1; pass < clean.presents.size(); ++pass) {
        SCOPED_TRACE(testing::Message() << "pass " << pass);
        const std::vector<std::uint64_t>& seen = lost.presents[pass];
        const std::vector<std::uint64_t>& wanted = clean.presents[pass];
        ASSERT_FALSE(seen.empty());
        ASSERT_FALSE(wanted.empty());
        // Each pass's frame is the same picture as without the loss.
        EXPECT_EQ(seen.front(), wanted.front());
        if (lose.count(static_cast<int>(pass))) {
            // The loss itself reached the screen before the next frame mended it.
            EXPECT_NE(seen.back(), wanted.back());
        } else {
            EXPECT_EQ(seen, wanted);
        }
    }
    // The game went on exactly as it would have.
    for (size_t i = 0; i < clean.result.passes.size(); ++i) {
        const PassRecord& a = clean.result.passes[i];
        const PassRecord& b = lost.result.passes[i];
        EXPECT_EQ(a.game_state, b.game_state) << a.pass;
        EXPECT_EQ(a.x, b.x) << a.pass;
        EXPECT_EQ(a.y, b.y) << a.pass;
        EXPECT_EQ(a.frame, b.frame) << a.pass;
    }
}

namespace {

std::vector<std::uint8_t> frame_pixels() {
    const HeadlessFrame* frame = headless_last_frame();
    return frame ? frame->pixels : std::vector<std::uint8_t>{};
}

} // namespace

// While the user stays switched away the surfaces cannot be restored: the frames are skipped
// and the game waits where it was, and the first frame after the return is whole.
TEST(LostSurfaces, AwayForSomeFramesTheGameWaitsAndComesBackWhole) {
    open_game_window();
    ASSERT_EQ(game_set_up(), 1);
    GameState = STATE_PLAYING;
    PlayerVelocityX = PlayerVelocityY = JumpRising = 0;
    // Fallen onto the ground and standing; the block's shine repeats every 12 frames.
    constexpr int CYCLE = 12;
    for (int i = 0; i < 40; ++i)
        game_frame();
    std::vector<std::vector<std::uint8_t>> cycle;
    for (int i = 0; i < CYCLE; ++i) {
        game_frame();
        cycle.push_back(frame_pixels());
    }
    game_frame();
    ASSERT_EQ(frame_pixels(), cycle[0]) << "the standing scene does not repeat";
    const float x = PlayerSprite.x, y = PlayerSprite.y;
    const std::int32_t block_frame = BlockSprite.current_frame;

    ddraw_set_display_away(1);
    ddraw_lose_all_surfaces();
    const int presented = headless_frame_count();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(game_frame(), 1);
    EXPECT_EQ(headless_frame_count(), presented);
    EXPECT_EQ(PlayerSprite.x, x);
    EXPECT_EQ(PlayerSprite.y, y);
    EXPECT_EQ(BlockSprite.current_frame, block_frame);
    EXPECT_EQ(primary_surface->IsLost(), DDERR_SURFACELOST);

    ddraw_set_display_away(0);
    for (int i = 1; i <= CYCLE; ++i) {
        game_frame();
        EXPECT_EQ(frame_pixels(), cycle[i % CYCLE]) << "frame " << i << " after the return";
    }
    EXPECT_EQ(PlayerSprite.x, x);
    EXPECT_EQ(PlayerSprite.y, y);

    game_tear_down();
    EXPECT_EQ(ddraw_live_objects(), 0);
}
