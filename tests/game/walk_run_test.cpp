// Horizontal motion: walking, sliding, running, both directions, and the picture shown.
#include "motion_world.h"

using Steps = std::vector<int>;

TEST_F(MotionWorld, WalkingFromRestAcceleratesThenSlidesToAStop) {
    floor_at(433);
    hold(VK_RIGHT);
    EXPECT_EQ(x_steps(6), (Steps{2, 3, 4, 4, 4, 4}));
    release(VK_RIGHT);
    EXPECT_EQ(x_steps(4), (Steps{3, 2, 1, 0}));
    EXPECT_EQ(PlayerVelocityX, 0);
    // On the ground the whole time.
    EXPECT_EQ(PlayerSprite.y, 400.0f);
    EXPECT_EQ(PlayerVelocityY, 0);
}

TEST_F(MotionWorld, TheLetterKeysWalkLikeTheArrows) {
    floor_at(433);
    place(300, 400);
    hold('A');
    EXPECT_EQ(x_steps(4), (Steps{-2, -3, -4, -4}));
    EXPECT_EQ(PlayerSprite.current_sequence, 1);
    release('A');
    hold('D');
    // Turning round: the speed of -3 left after friction climbs by 2 a frame.
    EXPECT_EQ(x_steps(4), (Steps{-1, 2, 3, 4}));
    EXPECT_EQ(PlayerSprite.current_sequence, 0);
}

TEST_F(MotionWorld, RunningSettlesIntoNineAndEightAndDropsToFourWhenTheRunKeyIsLetGo) {
    floor_at(433);
    place(100, 400);
    hold(VK_RIGHT);
    hold(VK_DELETE);
    EXPECT_EQ(x_steps(10), (Steps{2, 3, 4, 5, 6, 7, 8, 9, 8, 9}));
    release(VK_DELETE);
    EXPECT_EQ(x_steps(2), (Steps{4, 4}));

    // The same to the left with the letter keys.
    release(VK_RIGHT);
    frames(12);
    hold('A');
    hold('Z');
    EXPECT_EQ(x_steps(10), (Steps{-2, -3, -4, -5, -6, -7, -8, -9, -8, -9}));
}

TEST_F(MotionWorld, BothDirectionsHeldMovesRight) {
    floor_at(433);
    place(300, 400);
    hold(VK_LEFT);
    hold(VK_RIGHT);
    EXPECT_EQ(x_steps(3), (Steps{2, 3, 4}));
    EXPECT_EQ(PlayerSprite.current_sequence, 0);
}

TEST_F(MotionWorld, ThePictureFollowsStandingWalkingAndTheAir) {
    floor_at(433);
    place(300, 400);
    frame();
    EXPECT_EQ(PlayerSprite.current_frame, 0);

    hold(VK_RIGHT);
    std::vector<int> shown;
    for (int i = 0; i < 10; ++i) {
        frame();
        shown.push_back(PlayerSprite.current_frame);
    }
    // One step through 1, 2, 3, 2 every second frame, starting from entry 1.
    EXPECT_EQ(shown, (std::vector<int>{0, 2, 2, 3, 3, 2, 2, 1, 1, 2}));

    release(VK_RIGHT);
    hold(VK_LEFT);
    frame();
    EXPECT_EQ(PlayerSprite.current_sequence, 1);
    shown.clear();
    for (int i = 0; i < 8; ++i) {
        frame();
        shown.push_back(PlayerSprite.current_frame);
    }
    for (int f : shown)
        EXPECT_TRUE(f >= 6 && f <= 8) << f;

    release(VK_LEFT);
    frames(6);
    EXPECT_EQ(PlayerVelocityX, 0);
    EXPECT_EQ(PlayerSprite.current_frame, 5);

    hold(VK_NEXT);
    frame();
    EXPECT_EQ(PlayerSprite.current_frame, 9);
    release(VK_NEXT);
    hold(VK_RIGHT);
    frame();
    EXPECT_EQ(PlayerSprite.current_frame, 4);
}
