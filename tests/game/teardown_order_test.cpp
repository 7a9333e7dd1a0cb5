// The order of tear-down: every image, then the character, then the block, then the
// display, each once, and nothing of DirectDraw left alive afterwards.
#include "game_window.h"

#include "game/setup.h"
#include "platform/ddraw/ddraw_emulation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> Calls;
bool Recording = false;

void record(std::string call) {
    if (Recording) Calls.push_back(std::move(call));
}

std::string image_name(const BitmapImage* image) {
    for (int i = 0; i < 4; ++i)
        if (image == &MenuImages[i]) return "menu " + std::to_string(i);
    for (int i = 0; i < 2; ++i)
        if (image == &InfoImages[i]) return "info " + std::to_string(i);
    if (image == &LevelImages[0]) return "level 0";
    return "other image";
}

} // namespace

// The linker routes the game's calls to these and the originals stay reachable as __real_.
extern "C" {
std::int32_t __real__Z13image_destroyP11BitmapImage(BitmapImage* image);
std::int32_t __real__Z14sprite_destroyP6Sprite(Sprite* sprite);
std::int32_t __real__Z16display_shutdownv();

std::int32_t __wrap__Z13image_destroyP11BitmapImage(BitmapImage* image) {
    record(image_name(image));
    return __real__Z13image_destroyP11BitmapImage(image);
}

std::int32_t __wrap__Z14sprite_destroyP6Sprite(Sprite* sprite) {
    record(sprite == &PlayerSprite ? "player" : sprite == &BlockSprite ? "block" : "other sprite");
    return __real__Z14sprite_destroyP6Sprite(sprite);
}

std::int32_t __wrap__Z16display_shutdownv() {
    record("display");
    return __real__Z16display_shutdownv();
}
}

TEST(TearDown, FreesImagesThenPlayerThenBlockThenDisplay) {
    open_game_window();
    ASSERT_EQ(game_set_up(), 1);
    ASSERT_GT(ddraw_live_objects(), 0);

    Recording = true;
    EXPECT_EQ(game_tear_down(), 1);
    Recording = false;

    const std::vector<std::string> expected = {"menu 0", "menu 1",  "menu 2", "menu 3", "info 0",
                                               "info 1", "level 0", "player", "block",  "display"};
    EXPECT_EQ(Calls, expected);
    EXPECT_EQ(ddraw_live_objects(), 0);
    EXPECT_EQ(MenuImages[0].pixels, nullptr);
    EXPECT_EQ(LevelImages[0].active, 0);
}
