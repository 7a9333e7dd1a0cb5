// Every row of the two key tables on every screen, through the real window procedure.
#include "screen_fixture.h"

namespace {

constexpr int KEEP = -99; // the state or selection the row started with

struct KeyRow {
    int key;
    int selection;
    int state_after; // KEEP: unchanged
    int selection_after;
    int quit;
    int handled;
};

// Keys on the menu, all with the selection at 1 unless the row says otherwise.
const KeyRow MENU_ROWS[] = {
    {VK_RETURN, 1, 1, KEEP, 0, 1},       {VK_RETURN, 0, 0, KEEP, 0, 1},
    {VK_RETURN, 3, 3, KEEP, 1, 1},       {VK_ESCAPE, 1, KEEP, KEEP, 1, 1},
    {VK_UP, 1, KEEP, 0, 0, 1},           {VK_DOWN, 1, KEEP, 2, 0, 1},
    {'S', 1, STATE_PLAYING, KEEP, 0, 1}, {'H', 2, STATE_INFO1, KEEP, 0, 1},
    {'A', 1, STATE_INFO2, KEEP, 0, 1},   {'Q', 1, KEEP, KEEP, 1, 1},
    {'X', 1, KEEP, KEEP, 0, 0},          {VK_LEFT, 1, KEEP, KEEP, 0, 0},
    {VK_RIGHT, 1, KEEP, KEEP, 0, 0},     {VK_SPACE, 1, KEEP, KEEP, 0, 0},
    {VK_DELETE, 1, KEEP, KEEP, 0, 0},    {'D', 1, KEEP, KEEP, 0, 0},
};

// Keys on information screens 1 and 2 and on the quitting screen.
const KeyRow OTHER_SCREEN_ROWS[] = {
    {VK_RETURN, 2, 2, KEEP, 0, 1}, {VK_RETURN, 0, STATE_PLAYING, KEEP, 0, 1},
    {VK_RETURN, 3, 3, KEEP, 1, 1}, {VK_ESCAPE, 2, STATE_MENU, KEEP, 0, 1},
    {VK_UP, 2, KEEP, KEEP, 0, 0},  {VK_DOWN, 2, KEEP, KEEP, 0, 0},
    {'S', 2, KEEP, KEEP, 0, 1},    {'H', 2, KEEP, KEEP, 0, 1},
    {'A', 2, KEEP, KEEP, 0, 1},    {'Q', 2, KEEP, KEEP, 0, 1},
    {'X', 2, KEEP, KEEP, 0, 0},    {VK_LEFT, 2, KEEP, KEEP, 0, 0},
};

// Keys while playing: only Enter and Escape are the screens'.
const KeyRow PLAY_ROWS[] = {
    {VK_RETURN, 1, 1, KEEP, 0, 1},
    {VK_RETURN, 2, 2, KEEP, 0, 1},
    {VK_RETURN, 3, 3, KEEP, 1, 1},
    {VK_RETURN, 0, STATE_PLAYING, KEEP, 0, 1},
    {VK_ESCAPE, 1, STATE_MENU, KEEP, 0, 1},
    {VK_UP, 1, KEEP, KEEP, 0, 0},
    {VK_DOWN, 1, KEEP, KEEP, 0, 0},
    {VK_LEFT, 1, KEEP, KEEP, 0, 0},
    {VK_RIGHT, 1, KEEP, KEEP, 0, 0},
    {'S', 1, KEEP, KEEP, 0, 0},
    {'H', 1, KEEP, KEEP, 0, 0},
    {'A', 1, KEEP, KEEP, 0, 0},
    {'Q', 1, KEEP, KEEP, 0, 0},
    {'D', 1, KEEP, KEEP, 0, 0},
    {'Z', 1, KEEP, KEEP, 0, 0},
    {'C', 1, KEEP, KEEP, 0, 0},
    {VK_DELETE, 1, KEEP, KEEP, 0, 0},
    {VK_NEXT, 1, KEEP, KEEP, 0, 0},
};

} // namespace

class KeyTableTest : public ScreenTest {
  protected:
    template <std::size_t N> void check(int state, const KeyRow (&rows)[N]) {
        for (const KeyRow& row : rows) {
            GameState = state;
            MenuSelection = row.selection;
            quit_requested();
            LRESULT result = key(row.key);
            SCOPED_TRACE(testing::Message()
                         << "screen " << state << ", key 0x" << std::hex << row.key << std::dec
                         << ", selection " << row.selection);
            EXPECT_EQ(result, 0);
            EXPECT_EQ(passed_on, !row.handled);
            EXPECT_EQ(GameState, row.state_after == KEEP ? state : row.state_after);
            EXPECT_EQ(MenuSelection,
                      row.selection_after == KEEP ? row.selection : row.selection_after);
            EXPECT_EQ(quit_requested(), row.quit);
        }
    }
};

TEST_F(KeyTableTest, Menu) {
    check(STATE_MENU, MENU_ROWS);
}

TEST_F(KeyTableTest, InformationAndQuittingScreens) {
    for (int state : {STATE_INFO1, STATE_INFO2, STATE_QUITTING})
        check(state, OTHER_SCREEN_ROWS);
}

TEST_F(KeyTableTest, Playing) {
    check(STATE_PLAYING, PLAY_ROWS);
}

TEST_F(ScreenTest, UpAndDownCycleThroughAllFourEntries) {
    int up[] = {3, 2, 1, 0, 3};
    for (int expected : up) {
        key(VK_UP);
        EXPECT_EQ(MenuSelection, expected);
    }
    MenuSelection = 0;
    int down[] = {1, 2, 3, 0, 1};
    for (int expected : down) {
        key(VK_DOWN);
        EXPECT_EQ(MenuSelection, expected);
    }
    EXPECT_EQ(GameState, STATE_MENU);
    EXPECT_FALSE(quit_requested());
}

TEST_F(ScreenTest, HelpFromTheFirstEntryThenEnterStartsTheGame) {
    key('H');
    EXPECT_EQ(GameState, STATE_INFO1);
    EXPECT_EQ(MenuSelection, 0);
    key(VK_RETURN);
    EXPECT_EQ(GameState, STATE_PLAYING);
}

TEST_F(ScreenTest, StartingWithQuitHighlightedThenEnterEndsTheProgram) {
    key(VK_UP);
    ASSERT_EQ(MenuSelection, 3);
    key('S');
    EXPECT_EQ(GameState, STATE_PLAYING);
    EXPECT_FALSE(quit_requested());
    key(VK_RETURN);
    EXPECT_EQ(GameState, STATE_QUITTING);
    EXPECT_TRUE(quit_requested());
}

TEST_F(ScreenTest, EnterWhilePlayingGoesToTheHighlightedInformationScreen) {
    for (int selection : {1, 2}) {
        GameState = STATE_PLAYING;
        MenuSelection = selection;
        key(VK_RETURN);
        EXPECT_EQ(GameState, selection);
    }
}

TEST_F(ScreenTest, EscapeEndsTheProgramOnlyFromTheMenu) {
    for (int state : {STATE_PLAYING, STATE_INFO1, STATE_INFO2, STATE_QUITTING}) {
        GameState = state;
        key(VK_ESCAPE);
        EXPECT_EQ(GameState, STATE_MENU) << state;
        EXPECT_FALSE(quit_requested()) << state;
    }
    key(VK_ESCAPE);
    EXPECT_EQ(GameState, STATE_MENU);
    EXPECT_TRUE(quit_requested());
}

TEST_F(ScreenTest, HandlersReportWhetherTheyHandledTheKeyWhenCalledDirectly) {
    EXPECT_TRUE(handle_screen_key(VK_DOWN));
    EXPECT_FALSE(handle_screen_key('X'));
    EXPECT_TRUE(handle_play_key(VK_ESCAPE));
    EXPECT_FALSE(handle_play_key(VK_DOWN));
}
