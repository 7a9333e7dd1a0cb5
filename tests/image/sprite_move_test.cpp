// Sprite motion at the clip rectangle (wrap-around and bouncing) and the sprite-against-sprite
// overlap test.
#include "engine/display/display_context.h"
#include "engine/image/sprite_move.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct SpriteMove : ::testing::Test {
    void SetUp() override { display_context_reset(); } // clip rectangle 0, 0 to 639, 479
};

Sprite moving(std::uint32_t attributes, float x, float y, float vx, float vy,
              std::int32_t width = 24, std::int32_t height = 32) {
    Sprite sprite{};
    sprite.attributes = attributes;
    sprite.x = x;
    sprite.y = y;
    sprite.x_velocity = vx;
    sprite.y_velocity = vy;
    sprite.width = width;
    sprite.height = height;
    return sprite;
}

Sprite placed(float x, float y, std::int32_t width = 24, std::int32_t height = 32) {
    return moving(0, x, y, 0, 0, width, height);
}

} // namespace

TEST_F(SpriteMove, WrapsPastEitherSideToTheOtherOnWholePixels) {
    Sprite right = moving(SPRITE_WRAPS, 639.0f, 100.0f, 0.5f, 0.0f);
    EXPECT_EQ(1, sprite_move(&right));
    EXPECT_EQ(-24.0f, right.x);
    Sprite edge = moving(SPRITE_WRAPS, 638.5f, 100.0f, 0.5f, 0.0f);
    sprite_move(&edge);
    EXPECT_EQ(639.0f, edge.x); // strictly beyond only
    Sprite left = moving(SPRITE_WRAPS, -24.0f, 100.0f, -0.5f, 0.0f);
    sprite_move(&left);
    EXPECT_EQ(639.0f, left.x);
    Sprite down = moving(SPRITE_WRAPS, 10.0f, 479.0f, 0.0f, 1.0f);
    sprite_move(&down);
    EXPECT_EQ(-32.0f, down.y);
    Sprite up = moving(SPRITE_WRAPS, 10.0f, -32.0f, 0.0f, -1.0f);
    sprite_move(&up);
    EXPECT_EQ(479.0f, up.y);
}

TEST_F(SpriteMove, WrapFollowsTheClipRectangle) {
    clip_min_x = 100;
    clip_max_x = 199;
    Sprite sprite = moving(SPRITE_WRAPS, 199.0f, 0.0f, 2.0f, 0.0f);
    sprite_move(&sprite);
    EXPECT_EQ(76.0f, sprite.x);
}

TEST_F(SpriteMove, BouncesReverseTheVelocityWithoutPullingBack) {
    Sprite sprite = moving(SPRITE_BOUNCES, 614.0f, 10.0f, 2.0f, 0.0f);
    sprite_move(&sprite); // 616 > 615
    EXPECT_EQ(616.0f, sprite.x);
    EXPECT_EQ(-2.0f, sprite.x_velocity);
    Sprite at_bound = moving(SPRITE_BOUNCES, 613.0f, 10.0f, 2.0f, 0.0f);
    sprite_move(&at_bound); // exactly 615
    EXPECT_EQ(2.0f, at_bound.x_velocity);
    Sprite low = moving(SPRITE_BOUNCES, 1.0f, 10.0f, -2.0f, 0.0f);
    sprite_move(&low);
    EXPECT_EQ(2.0f, low.x_velocity);
    // Far outside: it turns again on the next move while it stays outside.
    Sprite far = moving(SPRITE_BOUNCES, 700.0f, 10.0f, 1.0f, 0.0f);
    sprite_move(&far);
    EXPECT_EQ(-1.0f, far.x_velocity);
    sprite_move(&far);
    EXPECT_EQ(1.0f, far.x_velocity);
    Sprite bottom = moving(SPRITE_BOUNCES, 10.0f, 447.0f, 0.0f, 1.0f); // 448 > 479 - 32
    sprite_move(&bottom);
    EXPECT_EQ(-1.0f, bottom.y_velocity);
}

TEST_F(SpriteMove, WrapWinsOverBounceAndNeitherMeansPlainMotion) {
    Sprite both = moving(SPRITE_WRAPS | SPRITE_BOUNCES, 639.0f, 10.0f, 1.0f, 0.0f);
    sprite_move(&both);
    EXPECT_EQ(-24.0f, both.x);
    EXPECT_EQ(1.0f, both.x_velocity);
    Sprite plain = moving(0, 639.0f, 10.0f, 1.5f, -20.0f);
    sprite_move(&plain);
    EXPECT_EQ(640.5f, plain.x);
    EXPECT_EQ(-10.0f, plain.y);
    EXPECT_EQ(0, sprite_move(nullptr));
}

TEST(SpriteHitTest, ShrunkBoxesMeetOnlyWhenTheirCentresAreCloserThanTheirExtents) {
    // 24 x 32: half-extents 9 and 12.
    const Sprite a = placed(100.0f, 100.0f);
    EXPECT_EQ(1, sprite_hit_test(&a, &a));
    Sprite b = placed(117.0f, 100.0f);
    EXPECT_EQ(1, sprite_hit_test(&a, &b));
    b = placed(118.0f, 100.0f);
    EXPECT_EQ(0, sprite_hit_test(&a, &b));
    EXPECT_EQ(0, sprite_hit_test(&b, &a));
    b = placed(100.0f, 123.0f);
    EXPECT_EQ(1, sprite_hit_test(&a, &b));
    b = placed(100.0f, 124.0f);
    EXPECT_EQ(0, sprite_hit_test(&a, &b));
    // 32 x 32: half-extents 12.
    const Sprite c = placed(0.0f, 0.0f, 32, 32);
    Sprite d = placed(23.0f, 0.0f, 32, 32);
    EXPECT_EQ(1, sprite_hit_test(&c, &d));
    d = placed(24.0f, 0.0f, 32, 32);
    EXPECT_EQ(0, sprite_hit_test(&c, &d));
    EXPECT_EQ(0, sprite_hit_test(&a, nullptr));
    EXPECT_EQ(0, sprite_hit_test(nullptr, &a));
}

TEST(SpriteHitTest, ReferencePointsTruncateTowardZeroAndAbsurdPositionsMeetNothing) {
    // hw 9: 9 + (-0.5) = 8.5 truncates to 8, so the 17-column gap from 25 is 17.
    const Sprite a = placed(-0.5f, 0.0f);
    Sprite b = placed(16.9f, 0.0f); // 25.9 -> 25
    EXPECT_EQ(1, sprite_hit_test(&a, &b));
    b = placed(17.0f, 0.0f); // 26: 18 apart
    EXPECT_EQ(0, sprite_hit_test(&a, &b));
    const Sprite lost = placed(std::numeric_limits<float>::quiet_NaN(), 0.0f);
    EXPECT_EQ(0, sprite_hit_test(&lost, &lost));
    const Sprite far = placed(3e9f, 0.0f);
    EXPECT_EQ(0, sprite_hit_test(&far, &far));
}
