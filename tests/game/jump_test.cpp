// Vertical motion: the jump's rise, its top and the fall, landing and resting on ground,
// and the bounded lift out of the ground.
#include "motion_world.h"

using Steps = std::vector<int>;

TEST_F(MotionWorld, AHeldJumpRisesByFivesLessEachFrameStopsOnceAndFalls) {
    floor_at(433);
    hold(VK_NEXT);
    // The first frame only decides the speed; the move comes at the next frame's start.
    EXPECT_EQ(rises(14), (Steps{0, 40, 35, 30, 25, 20, 15, 10, 5, 0, -15, -15, -15, -15}));
    EXPECT_EQ(PlayerSprite.y, 400.0f - 180.0f + 4 * 15.0f);
}

TEST_F(MotionWorld, AHeldJumpLandsAndJumpsAgainInTheNextFrame) {
    floor_at(433);
    hold('C');
    int landed_at = -1;
    for (int i = 0; i < 40 && landed_at < 0; ++i) {
        frame();
        if (i > 2 && PlayerVelocityY == 0 && PlayerSprite.y == 400.0f) landed_at = i;
    }
    ASSERT_GE(landed_at, 0) << "never landed";
    frame();
    EXPECT_EQ(PlayerVelocityY, 40);
    EXPECT_EQ(JumpRising, 1);
}

TEST_F(MotionWorld, TheSmallestJumpRisesForty) {
    floor_at(433);
    hold(VK_NEXT);
    frame();
    release(VK_NEXT);
    EXPECT_EQ(rises(3), (Steps{40, -15, -15}));
    EXPECT_EQ(JumpRising, 0);
}

TEST_F(MotionWorld, ACharacterRestsOneRowAboveTheGround) {
    floor_at(300);
    place(50, 200); // falls onto it
    frames(20);
    EXPECT_EQ(PlayerSprite.y + PlayerSprite.height + 1, 300.0f);
    EXPECT_EQ(PlayerVelocityY, 0);

    place(50, 290); // sunk into it: lifted out
    frames(2);
    EXPECT_EQ(PlayerSprite.y + PlayerSprite.height + 1, 300.0f);

    // A fall step that ends two rows above the ground does not stop there.
    place(50, 236);
    frames(4);
    EXPECT_EQ(PlayerSprite.y, 267.0f);
}

TEST_F(MotionWorld, AStepIsClimbedAndTheCharacterNeverSinks) {
    floor_at(433);
    ground(200, 420, 639, 479); // a step 13 rows high
    hold(VK_RIGHT);
    frames(60);
    EXPECT_GT(PlayerSprite.x, 220.0f);
    EXPECT_EQ(PlayerSprite.y + PlayerSprite.height + 1, 420.0f);
}

TEST_F(MotionWorld, TheLiftOutOfGroundInTheTopRowStopsAtTheTopEdge) {
    ground(0, 0, 639, 0);
    place(100, 0);
    rise_out_of_ground(); // would never end without its bound
    EXPECT_LE(PlayerSprite.y + PlayerSprite.height, 0.0f);
    EXPECT_GT(PlayerSprite.y + PlayerSprite.height, -1.0f);
}

TEST_F(MotionWorld, AboveTheScreenTheLiftStillClearsGroundNearTheTop) {
    ground(0, 15, 639, 20);
    place(100, -10);
    rise_out_of_ground();
    // Rows of the box run to y + h inclusive, so the box clears row 15 at y = -18.
    EXPECT_EQ(PlayerSprite.y, -18.0f);
}

TEST_F(MotionWorld, ACharacterBeyondTheRightEdgeStandsOnGroundInColumn639) {
    ground(600, 433, 639, 479);
    place(660, 400);
    frames(5);
    EXPECT_EQ(PlayerSprite.y, 400.0f);
    EXPECT_EQ(PlayerVelocityY, 0);
}

TEST_F(MotionWorld, WithoutGroundInColumn639ACharacterBeyondTheEdgeFalls) {
    ground(0, 433, 630, 479);
    place(660, 400);
    frames(5);
    EXPECT_EQ(PlayerSprite.y, 400.0f + 4 * 15.0f);
    EXPECT_EQ(PlayerVelocityY, -15);
}

TEST_F(MotionWorld, TheTopOfAJumpOverGroundStartsANewJump) {
    // The standstill at the top of a held jump: speed 0 while the jump is still rising.
    ground(0, 253, 30, 253);
    place(0, 220);
    PlayerVelocityY = 0;
    JumpRising = 1;
    hold(VK_NEXT);
    frame();
    EXPECT_EQ(PlayerVelocityY, 40);

    // The same standstill with nothing below begins the fall.
    place(100, 220);
    PlayerVelocityY = 0;
    JumpRising = 1;
    frame();
    EXPECT_EQ(PlayerVelocityY, -15);
    EXPECT_EQ(JumpRising, 0);
}
