// The real WinMain on the headless backend: start, the loop's passes, the ways it ends, and
// the tear-down after it.
#include "game/screens.h"
#include "platform/ddraw.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// The times of the presented frames that show a game frame's picture rather than the
// cleared screen: the information screen used here has no all-zero frame.
std::vector<DWORD> PictureFrames;

void note_frame(const HeadlessFrame& frame) {
    for (std::uint8_t p : frame.pixels) {
        if (p != 0) {
            PictureFrames.push_back(frame.time);
            return;
        }
    }
}

char Instance;

int run_game() {
    char empty[] = "";
    return WinMain(reinterpret_cast<HINSTANCE>(&Instance), nullptr, empty, SW_SHOWNORMAL);
}

} // namespace

class MainLoopTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform_reset();
        GameState = STATE_MENU;
        MenuSelection = 0;
        PictureFrames.clear();
        headless_on_present(note_frame);
    }
};

TEST_F(MainLoopTest, EscapeOnTheMenuEndsWithCodeZeroAfterTheTearDown) {
    headless_script_key(300, VK_ESCAPE, 1);
    EXPECT_EQ(run_game(), 0);
    EXPECT_EQ(ddraw_live_objects(), 0) << "the tear-down released the display";
    EXPECT_EQ(GameState, STATE_MENU);
    // About ten passes before the key, and two after it: one for the key, one for the
    // posted destruction; the pass that takes WM_QUIT draws nothing.
    ASSERT_GE(PictureFrames.size(), 11u);
    EXPECT_LE(PictureFrames.size(), 13u);
    int after_key = 0;
    for (DWORD t : PictureFrames)
        after_key += t >= 300;
    EXPECT_EQ(after_key, 2);
}

TEST_F(MainLoopTest, AQuitAlreadyPendingEndsTheLoopBeforeAnyFrame) {
    GameState = STATE_INFO1; // every game frame would show its picture
    PostQuitMessage(0);
    EXPECT_EQ(run_game(), 0);
    EXPECT_TRUE(PictureFrames.empty());
    EXPECT_EQ(ddraw_live_objects(), 0);
}

TEST_F(MainLoopTest, PassesWithoutMessagesStillRunAFrameEveryThirtyMilliseconds) {
    GameState = STATE_INFO2;
    headless_script_key(3000, VK_ESCAPE, 1); // back to the menu
    headless_script_key(3000, VK_ESCAPE, 1); // and out
    EXPECT_EQ(run_game(), 0);
    // A pass is at least 30 ms, and on the virtual clock not much more.
    ASSERT_GE(PictureFrames.size(), 90u);
    EXPECT_LE(PictureFrames.size(), 103u);
    for (std::size_t i = 1; i < PictureFrames.size(); i++) {
        DWORD step = PictureFrames[i] - PictureFrames[i - 1];
        EXPECT_GE(step, 30u) << i;
        EXPECT_LE(step, 33u) << i;
    }
}

TEST_F(MainLoopTest, TheLoopRunsOnAcrossTheTickCounterWrap) {
    headless_set_clock(0xFFFFFF00u);
    headless_script_key(0xFFFFFF00u + 600, VK_ESCAPE, 1); // due after the wrap
    EXPECT_EQ(run_game(), 0);
    EXPECT_GE(PictureFrames.size(), 18u);
    EXPECT_LT(headless_clock(), 1000u) << "ended soon after the wrap";
}

TEST_F(MainLoopTest, ClosingTheWindowEndsWithCodeZero) {
    headless_script_close(200);
    EXPECT_EQ(run_game(), 0);
    EXPECT_EQ(ddraw_live_objects(), 0);
}

TEST_F(MainLoopTest, EnterOnQuitShowsClearedFramesThenEnds) {
    headless_keep_frames(4);
    headless_script_key(100, VK_UP, 1);
    headless_script_key(100, VK_RETURN, 1);
    EXPECT_EQ(run_game(), 0);
    EXPECT_EQ(GameState, STATE_QUITTING);
    const HeadlessFrame* last = headless_last_frame();
    ASSERT_NE(last, nullptr);
    for (std::uint8_t p : last->pixels)
        ASSERT_EQ(p, 0);
}

TEST_F(MainLoopTest, AGameCanBeStartedPlayedAndLeft) {
    headless_script_key(100, 'S', 1);
    headless_script_key(200, VK_RIGHT, 1);
    headless_script_key(1500, VK_RIGHT, 0);
    headless_script_key(1600, VK_ESCAPE, 1);
    headless_script_click(1800, 260, 350); // Quit on the menu
    EXPECT_EQ(run_game(), 0);
    EXPECT_EQ(GameState, STATE_MENU);
    EXPECT_EQ(ddraw_live_objects(), 0);
    EXPECT_EQ(headless_cursor_visible(), 1) << "shown again on the menu";
}

TEST_F(MainLoopTest, NoWindowMeansOneLineOnStandardErrorAndAFailureCode) {
    headless_fail_window("no display available");
    testing::internal::CaptureStderr();
    int code = run_game();
    std::string text = testing::internal::GetCapturedStderr();
    EXPECT_NE(code, 0);
    EXPECT_NE(text.find("window could not be created"), std::string::npos) << text;
    EXPECT_NE(text.find("no display available"), std::string::npos) << text;
    ASSERT_FALSE(text.empty());
    EXPECT_EQ(text.find('\n'), text.size() - 1) << "exactly one line";
    EXPECT_TRUE(PictureFrames.empty());
    EXPECT_EQ(ddraw_live_objects(), 0) << "no set-up ran";
}
