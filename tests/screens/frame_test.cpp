// Whole frames of each screen with the game's artwork: what is presented, and the cursor
// shown or hidden as a setting.
#include "screen_fixture.h"

#include "game/game_frame.h"
#include "game/player.h"
#include "game/setup.h"
#include "platform/host/headless/headless.h"

#include <cstring>

namespace {

// The display counter, read without leaving it changed.
int cursor_counter() {
    int counter = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return counter;
}

int same_as_image(const HeadlessFrame* frame, const BitmapImage& image) {
    return frame && frame->width == 640 && frame->height == 480 && image.pixels &&
           std::memcmp(frame->pixels.data(), image.pixels, 640 * 480) == 0;
}

} // namespace

class FrameTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        game_set_up();
    }
    void TearDown() override {
        game_tear_down();
        ScreenTest::TearDown();
    }
};

TEST_F(FrameTest, MenuFramesPresentTheHighlightedPicture) {
    for (int selection : {0, 3}) {
        MenuSelection = selection;
        int before = headless_frame_count();
        EXPECT_EQ(game_frame(), 1);
        ASSERT_EQ(headless_frame_count(), before + 1) << "one present per frame";
        EXPECT_TRUE(same_as_image(headless_last_frame(), MenuImages[selection]));
    }
    GameState = STATE_INFO2;
    game_frame();
    EXPECT_TRUE(same_as_image(headless_last_frame(), InfoImages[1]));
    EXPECT_EQ(back_buffer, nullptr) << "the frame leaves the back buffer unlocked";
}

TEST_F(FrameTest, PlayedFramesShowTheLevelWithTheCharacterAndBlock) {
    GameState = STATE_PLAYING;
    for (int i = 0; i < 5; i++)
        EXPECT_EQ(game_frame(), 1);
    const HeadlessFrame* frame = headless_last_frame();
    ASSERT_NE(frame, nullptr);
    // Mostly the level picture, but the sprites are drawn over it.
    int differing = 0;
    for (int i = 0; i < 640 * 480; i++)
        differing += frame->pixels[i] != LevelImages[0].pixels[i];
    EXPECT_GT(differing, 0);
    EXPECT_LT(differing, 640 * 480 / 20);
    // The block stands at (549, 290): its area is not the background.
    int block = 0;
    for (int y = 290; y < 322; y++)
        for (int x = 549; x < 581; x++)
            block += frame->pixels[y * 640 + x] != LevelImages[0].pixels[y * 640 + x];
    EXPECT_GT(block, 0);
}

TEST_F(FrameTest, TheQuittingFrameIsClearedAndEndsTheLoop) {
    GameState = STATE_QUITTING;
    game_frame();
    const HeadlessFrame* frame = headless_last_frame();
    ASSERT_NE(frame, nullptr);
    int non_zero = 0;
    for (std::uint8_t p : frame->pixels)
        non_zero += p != 0;
    EXPECT_EQ(non_zero, 0);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(FrameTest, TheCursorIsASettingNotACount) {
    for (int i = 0; i < 50; i++)
        game_frame();
    EXPECT_EQ(cursor_counter(), 0) << "a long stay on the menu does not pile up shows";
    EXPECT_EQ(headless_cursor_visible(), 1);

    key('S');
    game_frame();
    EXPECT_EQ(headless_cursor_visible(), 0) << "hidden in the first played frame";
    EXPECT_EQ(cursor_counter(), -1);
    for (int i = 0; i < 50; i++)
        game_frame();
    EXPECT_EQ(cursor_counter(), -1);

    key(VK_ESCAPE);
    game_frame();
    EXPECT_EQ(headless_cursor_visible(), 1) << "shown in the first menu frame";
    EXPECT_EQ(cursor_counter(), 0);

    key('H');
    game_frame();
    EXPECT_EQ(headless_cursor_visible(), 1) << "information screens show it too";
    EXPECT_EQ(cursor_counter(), 0);
}

TEST_F(FrameTest, LeavingAndResumingPlayKeepsThePlayer) {
    GameState = STATE_PLAYING;
    for (int i = 0; i < 10; i++)
        game_frame();
    float x = PlayerSprite.x, y = PlayerSprite.y;
    key(VK_ESCAPE);
    for (int i = 0; i < 10; i++)
        game_frame();
    EXPECT_EQ(PlayerSprite.x, x);
    EXPECT_EQ(PlayerSprite.y, y);
}
