// The character against the block at (549, 290): its sides stop it, its underside ends a
// rise, its top carries it.
#include "motion_world.h"

#include <algorithm>

namespace {

// Walks with the keys held for `count` frames and fails at once if the character's
// picture ever enters the block's columns at its height.
void walk_without_entering(MotionWorld& world, int count) {
    for (int i = 0; i < count; ++i) {
        world.frame();
        const float x = PlayerSprite.x;
        ASSERT_TRUE(x + PlayerSprite.width <= BLOCK_X || x >= BLOCK_X + 32)
            << "inside the block at x " << x << " in frame " << i;
    }
}

} // namespace

TEST_F(MotionWorld, FromTheLeftTheBlockStopsTheCharacterOneToFourColumnsShort) {
    for (int run = 0; run < 2; ++run) {
        SetUp();
        floor_at(323); // standing at the block's height, rows 290 to 322
        place(400, 290);
        hold(VK_RIGHT);
        if (run) hold(VK_DELETE);
        walk_without_entering(*this, 80);
        const float gap = BLOCK_X - (PlayerSprite.x + PlayerSprite.width);
        EXPECT_GE(gap, 1.0f) << "running " << run;
        EXPECT_LE(gap, 4.0f) << "running " << run;
        EXPECT_EQ(PlayerSprite.y, 290.0f);
    }
}

TEST_F(MotionWorld, FromTheRightTheBlockStopsTheCharacterThreeOrFourColumnsShort) {
    for (int run = 0; run < 2; ++run) {
        SetUp();
        floor_at(323);
        place(630, 290);
        hold(VK_LEFT);
        if (run) hold('Z');
        walk_without_entering(*this, 80);
        const float gap = PlayerSprite.x - (BLOCK_X + 32);
        EXPECT_GE(gap, 3.0f) << "running " << run;
        EXPECT_LE(gap, 4.0f) << "running " << run;
    }
}

TEST_F(MotionWorld, OnTheBlocksCornersTheCharacterCannotWalkInward) {
    place(525, 258); // left corner: its right edge meets the block's x
    hold(VK_RIGHT);
    frames(10);
    EXPECT_EQ(PlayerSprite.x, 525.0f);
    EXPECT_EQ(PlayerSprite.y, 258.0f);
    release(VK_RIGHT);

    place(581, 258); // right corner
    hold(VK_LEFT);
    frames(10);
    EXPECT_EQ(PlayerSprite.x, 581.0f);
    EXPECT_EQ(PlayerSprite.y, 258.0f);
}

TEST_F(MotionWorld, ACharacterAlreadyInsideTheBlockWalksOutThroughIt) {
    floor_at(324); // rows 291 to 323: low enough not to be put on top
    place(560, 291);
    hold(VK_RIGHT);
    frames(12);
    EXPECT_GT(PlayerSprite.x, 590.0f);
    EXPECT_EQ(PlayerSprite.y, 291.0f);
    release(VK_RIGHT);
    frames(6);

    place(552, 291);
    hold(VK_LEFT);
    frames(12);
    EXPECT_LT(PlayerSprite.x, 525.0f);
}

TEST_F(MotionWorld, JumpingFromUnderTheBlockTheHeadEndsTheRise) {
    floor_at(433);
    place(550, 400);
    hold(VK_NEXT);
    float highest = 400;
    for (int i = 0; i < 6; ++i) {
        frame();
        highest = std::min(highest, PlayerSprite.y);
    }
    EXPECT_GE(highest, 290.0f);
    EXPECT_LE(highest, 322.0f);
    EXPECT_GT(PlayerSprite.y, highest); // falling again although the key is held
}

TEST_F(MotionWorld, AHeadBumpAtTheBlocksLowestRowNeverPutsTheCharacterOnTop) {
    floor_at(398); // rest at 365: the rise reaches y 290 exactly
    place(550, 365);
    hold(VK_NEXT);
    frames(3);
    EXPECT_EQ(PlayerSprite.y, 290.0f);
    EXPECT_EQ(PlayerVelocityY, -15);
    release(VK_NEXT);
    frames(10);
    EXPECT_EQ(PlayerSprite.y, 365.0f);
}

TEST_F(MotionWorld, AFortyPixelStepCarriesTheCharacterThroughTheBlockOntoItsTop) {
    floor_at(358); // resting at y 325, just below the head's range
    place(550, 325);
    hold(VK_NEXT);
    float highest = 325;
    for (int i = 0; i < 10; ++i) {
        frame();
        highest = std::min(highest, PlayerSprite.y);
    }
    release(VK_NEXT);
    frames(20);
    EXPECT_EQ(highest, 145.0f); // the full 180-pixel jump
    EXPECT_EQ(PlayerSprite.y, 258.0f);
    EXPECT_EQ(PlayerVelocityY, 0);
}

TEST_F(MotionWorld, FallingOntoTheBlockLandsOnItsTopAndAJumpStartsFromThere) {
    place(550, 100); // no ground anywhere
    frames(10);
    EXPECT_EQ(PlayerSprite.y, 235.0f);
    // The fall of the next frame is already counted, so it lands from 250 without passing
    // below the top.
    frame();
    EXPECT_EQ(PlayerSprite.y, 258.0f);
    frames(9);
    EXPECT_EQ(PlayerSprite.y, 258.0f);
    EXPECT_EQ(PlayerVelocityY, 0);
    EXPECT_EQ(PlayerSprite.current_frame, 0);

    hold('C');
    frame();
    EXPECT_EQ(PlayerVelocityY, 40);
    frame();
    EXPECT_EQ(PlayerSprite.y, 218.0f);
}
