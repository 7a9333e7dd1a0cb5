// The game played through its real entry point with scripted keys: the route over the
// level (walk, run, a platform, the block), the screens around it, and the way out.
#include "scripted_play.h"

#include <gtest/gtest.h>

namespace {

void expect_every_picture_right(const PlayResult& result) {
    for (const PassRecord& record : result.passes) {
        EXPECT_TRUE(record.picture_as_expected) << "pass " << record.pass;
        EXPECT_TRUE(record.level_palette) << "pass " << record.pass;
    }
}

const PassRecord& pass(const PlayResult& result, int number) {
    const PassRecord* record = at_pass(result, number);
    static const PassRecord missing{};
    EXPECT_NE(record, nullptr) << "the game had ended before pass " << number;
    return record ? *record : missing;
}

} // namespace

TEST(ScriptedPlay, OverThePlatformOntoTheBlockThroughTheScreensAndOut) {
    const PlayResult result = play({
        {5, VK_RETURN, 1},   {6, VK_RETURN, 0},   // start from the menu
        {20, VK_RIGHT, 1},                        // walk right
        {30, VK_NEXT, 1},    {40, VK_NEXT, 0},    // jump up onto the low platform
        {60, VK_DELETE, 1},  {84, VK_DELETE, 0},  // run off it and down the steps
        {115, VK_NEXT, 1},   {127, VK_NEXT, 0},   // jump onto the block
        {130, VK_RIGHT, 0},                       //
        {150, VK_ESCAPE, 1}, {151, VK_ESCAPE, 0}, // back to the menu
        {155, 'H', 1},       {156, 'H', 0},       // first information screen
        {165, VK_ESCAPE, 1}, {166, VK_ESCAPE, 0}, //
        {170, 'A', 1},       {171, 'A', 0},       // second information screen
        {180, VK_ESCAPE, 1}, {181, VK_ESCAPE, 0}, //
        {185, VK_RETURN, 1}, {186, VK_RETURN, 0}, // play on
        {200, VK_ESCAPE, 1}, {201, VK_ESCAPE, 0}, //
        {205, 'Q', 1},                            // quit
    });
    EXPECT_EQ(result.exit_code, 0);
    ASSERT_FALSE(result.passes.empty());
    EXPECT_GE(result.passes.back().pass, 205);
    EXPECT_LE(result.passes.back().pass, 207);
    expect_every_picture_right(result);

    EXPECT_EQ(pass(result, 4).game_state, -1);
    EXPECT_EQ(pass(result, 5).game_state, 0);

    // Fallen from (20, 400) onto the ground, whose top row is 440.
    EXPECT_EQ(pass(result, 19).x, 20.0f);
    EXPECT_EQ(pass(result, 19).y, 407.0f);
    EXPECT_EQ(pass(result, 19).frame, 0);

    const PassRecord& walking = pass(result, 28);
    EXPECT_GT(walking.x, 40.0f);
    EXPECT_EQ(walking.y, 407.0f);
    EXPECT_GE(walking.frame, 1);
    EXPECT_LE(walking.frame, 3);

    EXPECT_EQ(pass(result, 33).frame, 4); // in the air

    // On the low platform, top row 352, between columns 84 and 172.
    const PassRecord& platform = pass(result, 50);
    EXPECT_EQ(platform.y, 319.0f);
    EXPECT_GT(platform.x, 84.0f - 24);
    EXPECT_LT(platform.x, 172.0f);
    EXPECT_EQ(platform.velocity_y, 0);

    // Running settles at 9 and 8 a frame, 8 and 7 left after friction.
    for (int p = 70; p < 80; ++p)
        EXPECT_GE(pass(result, p).velocity_x, 7) << p;
    EXPECT_EQ(pass(result, 100).y, 403.0f); // down the steps onto the long flat

    // On top of the block at (549, 290), standing still after the keys were let go.
    for (int p = 135; p < 150; ++p) {
        const PassRecord& on_block = pass(result, p);
        EXPECT_EQ(on_block.y, 258.0f) << p;
        EXPECT_GE(on_block.x, 525.0f) << p;
        EXPECT_LE(on_block.x, 581.0f) << p;
        EXPECT_EQ(on_block.frame, 0) << p;
    }

    EXPECT_EQ(pass(result, 150).game_state, -1);
    EXPECT_EQ(pass(result, 155).game_state, 1);
    EXPECT_EQ(pass(result, 165).game_state, -1);
    EXPECT_EQ(pass(result, 170).game_state, 2);
    EXPECT_EQ(pass(result, 180).game_state, -1);
    EXPECT_EQ(pass(result, 185).game_state, 0);
    EXPECT_EQ(pass(result, 190).x, pass(result, 149).x);
    EXPECT_EQ(pass(result, 190).y, 258.0f);
    EXPECT_EQ(pass(result, 200).game_state, -1);
}

TEST(ScriptedPlay, LeavingForTheMenuAndComingBackResumesThePlayerWithItsSpeeds) {
    const PlayResult result = play({
        {3, VK_RETURN, 1},
        {4, VK_RETURN, 0},
        {20, VK_RIGHT, 1},
        {30, VK_ESCAPE, 1}, // leaves at walking speed with the key still held
        {31, VK_ESCAPE, 0},
        {40, VK_RETURN, 1},
        {41, VK_RETURN, 0},
        {42, VK_RIGHT, 0},
        {60, VK_ESCAPE, 1},
        {61, VK_ESCAPE, 0},
        {62, VK_ESCAPE, 1}, // Escape on the menu ends the program
    });
    EXPECT_EQ(result.exit_code, 0);
    expect_every_picture_right(result);

    const PassRecord& left_at = pass(result, 29);
    EXPECT_EQ(left_at.velocity_x, 3);
    for (int p = 30; p < 40; ++p) {
        EXPECT_EQ(pass(result, p).game_state, -1);
        EXPECT_EQ(pass(result, p).x, left_at.x) << p;
        EXPECT_EQ(pass(result, p).velocity_x, 3) << p;
    }
    // The first played frame goes on at full walking speed, not from rest.
    EXPECT_EQ(pass(result, 40).game_state, 0);
    EXPECT_EQ(pass(result, 40).x, left_at.x + 4);
    EXPECT_LE(result.passes.back().pass, 64);
}
