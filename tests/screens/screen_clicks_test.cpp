// The menu's four click rectangles at their bounds, and clicks on the other screens.
#include "screen_fixture.h"

#include "platform/host/headless/headless.h"

namespace {

struct ClickRow {
    int x, y;
    int entry; // -1: nothing
};

const ClickRow CLICKS[] = {
    // Rectangle 1: x 247 to 384, y 274 to 289.
    {247, 274, 0},
    {384, 289, 0},
    {384, 274, 0},
    {247, 289, 0},
    {320, 280, 0},
    {246, 280, -1},
    {385, 280, -1},
    {300, 273, -1},
    {300, 290, -1},
    // Rectangle 2: x 247 to 319, y 298 to 313.
    {247, 298, 1},
    {319, 313, 1},
    {320, 300, -1},
    {280, 297, -1},
    {280, 314, -1},
    // Rectangle 3: x 247 to 298, y 322 to 337.
    {247, 322, 2},
    {298, 337, 2},
    {299, 330, -1},
    {260, 321, -1},
    {260, 338, -1},
    // Rectangle 4: x 247 to 296, y 346 to 364.
    {247, 346, 3},
    {296, 364, 3},
    {297, 350, -1},
    {260, 345, -1},
    {260, 365, -1},
    // Far away.
    {0, 0, -1},
    {639, 479, -1},
    {65535, 65535, -1},
};

} // namespace

TEST_F(ScreenTest, MenuClicksAtTheRectangleBounds) {
    for (const ClickRow& row : CLICKS) {
        GameState = STATE_MENU;
        MenuSelection = 2;
        quit_requested();
        SCOPED_TRACE(testing::Message() << "click (" << row.x << ", " << row.y << ")");
        EXPECT_EQ(click(row.x, row.y), 0);
        EXPECT_FALSE(passed_on) << "every click on the menu is the menu's, hit or not";
        int quit = quit_requested();
        if (row.entry == 3) {
            EXPECT_TRUE(quit);
            EXPECT_EQ(GameState, STATE_MENU);
            EXPECT_EQ(MenuSelection, 2);
        } else if (row.entry >= 0) {
            EXPECT_FALSE(quit);
            EXPECT_EQ(GameState, row.entry);
            EXPECT_EQ(MenuSelection, row.entry);
        } else {
            EXPECT_FALSE(quit);
            EXPECT_EQ(GameState, STATE_MENU);
            EXPECT_EQ(MenuSelection, 2);
        }
    }
}

TEST_F(ScreenTest, ClicksOnOtherScreensGoToTheDefaultHandling) {
    for (int state : {STATE_PLAYING, STATE_INFO1, STATE_INFO2, STATE_QUITTING}) {
        GameState = state;
        MenuSelection = 1;
        click(300, 280); // inside rectangle 1
        EXPECT_TRUE(passed_on) << state;
        EXPECT_EQ(GameState, state);
        EXPECT_EQ(MenuSelection, 1);
        EXPECT_FALSE(quit_requested());
    }
}

TEST_F(ScreenTest, AScriptedClickOnTheMenuStartsTheGameThroughTheQueue) {
    headless_script_click(0, 384, 289);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    DispatchMessage(&msg);
    EXPECT_EQ(GameState, STATE_PLAYING);
    EXPECT_EQ(MenuSelection, 0);
}
