// Drawing sprites onto a surface with their colour key: where the frame lands for fractional
// positions, stretched draws, and the draws that must not blit.
#include "sprite_fixture.h"

#include "engine/display/surfaces.h"
#include "engine/image/sprite_draw.h"
#include "platform/ddraw/ddraw_emulation.h"

#include <limits>

namespace {

constexpr std::uint8_t KEY = 253;
constexpr std::uint8_t BACKGROUND = 200;
constexpr int DEST = 100;

struct SpriteDraw : SpriteTest {
    IDirectDrawSurface7* dest = nullptr;

    void SetUp() override {
        SpriteTest::SetUp();
        dest = create_offscreen_surface(DEST, DEST, 0, 0);
        ASSERT_NE(nullptr, dest);
        write_surface_pixels(dest, std::vector<std::uint8_t>(DEST * DEST, BACKGROUND));
        // One 24 x 32 frame: pixel (x, y) is 1 + x % 5, except column 3, which is the key.
        ASSERT_EQ(1, sprite_create(&sprite, 0, 0, 24, 32, 1, 0x14, 0, KEY, 8));
        std::vector<std::uint8_t> frame(24 * 32);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 24; ++x)
                frame[y * 24 + x] = x == 3 ? KEY : 1 + x % 5;
        write_surface_pixels(sprite.frames[0], frame);
    }

    void TearDown() override {
        if (dest != nullptr) dest->Release();
        SpriteTest::TearDown();
    }

    // The columns and rows of the destination that the draw changed.
    RECT changed() const {
        const std::vector<std::uint8_t> pixels = read_surface_pixels(dest);
        RECT box = {DEST, DEST, -1, -1};
        for (int y = 0; y < DEST; ++y) {
            for (int x = 0; x < DEST; ++x) {
                if (pixels[y * DEST + x] == BACKGROUND) continue;
                box = {std::min<LONG>(box.left, x), std::min<LONG>(box.top, y),
                       std::max<LONG>(box.right, x), std::max<LONG>(box.bottom, y)};
            }
        }
        return box; // inclusive
    }

    std::uint8_t at(int x, int y) const { return read_surface_pixels(dest)[y * DEST + x]; }
};

} // namespace

TEST_F(SpriteDraw, FractionalPositionsTruncateAndTheKeyIsLeftOut) {
    sprite.x = 10.7f;
    sprite.y = 20.2f;
    ASSERT_EQ(1, sprite_draw(&sprite, dest));
    // Rectangle (10, 20) to (34, 52), right and bottom exclusive: unstretched.
    const RECT box = changed();
    EXPECT_EQ(10, box.left);
    EXPECT_EQ(20, box.top);
    EXPECT_EQ(33, box.right);
    EXPECT_EQ(51, box.bottom);
    const std::vector<std::uint8_t> pixels = read_surface_pixels(dest);
    int mismatches = 0;
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 24; ++x) {
            const std::uint8_t expected = x == 3 ? BACKGROUND : 1 + x % 5;
            mismatches += pixels[(20 + y) * DEST + 10 + x] != expected;
        }
    }
    EXPECT_EQ(0, mismatches);
}

TEST_F(SpriteDraw, HalfAPixelLeftOfTheEdgeSqueezesTheFrameByAColumn) {
    sprite.x = -0.5f;
    sprite.y = 0.0f;
    ASSERT_EQ(1, sprite_draw(&sprite, dest));
    // Columns 0 to 22 only: trunc(-0.5) is 0 and trunc(23.5) is 23.
    const RECT box = changed();
    EXPECT_EQ(0, box.left);
    EXPECT_EQ(22, box.right);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(31, box.bottom);
    EXPECT_EQ(1, at(0, 0));
}

TEST_F(SpriteDraw, ScaledDrawsStretchTheWholeFrameToTheDrawnSize) {
    sprite.x = 5.0f;
    sprite.y = 6.0f;
    ASSERT_EQ(1, sprite_draw_scaled(&sprite, 48, 64, dest));
    const RECT box = changed();
    EXPECT_EQ(5, box.left);
    EXPECT_EQ(6, box.top);
    EXPECT_EQ(52, box.right);
    EXPECT_EQ(69, box.bottom);
    // Doubled: source column 1 covers columns 7 and 8, the key column 11 and 12.
    EXPECT_EQ(2, at(7, 6));
    EXPECT_EQ(2, at(8, 6));
    EXPECT_EQ(BACKGROUND, at(11, 6));
    EXPECT_EQ(BACKGROUND, at(12, 6));
    write_surface_pixels(dest, std::vector<std::uint8_t>(DEST * DEST, BACKGROUND));
    ASSERT_EQ(1, sprite_draw_scaled16(&sprite, 24, 32, dest));
    EXPECT_EQ(28, changed().right);
    write_surface_pixels(dest, std::vector<std::uint8_t>(DEST * DEST, BACKGROUND));
    ASSERT_EQ(1, sprite_draw16(&sprite, dest));
    EXPECT_EQ(28, changed().right);
}

TEST_F(SpriteDraw, HiddenAndEmptySpritesReportSuccessWithoutDrawing) {
    ASSERT_EQ(1, sprite_hide(&sprite));
    EXPECT_EQ(1, sprite_draw(&sprite, dest));
    const Sprite zero{};
    EXPECT_EQ(1, sprite_draw(&zero, dest));
    EXPECT_EQ(1, sprite_draw_scaled(&zero, 10, 10, dest));
    EXPECT_EQ(-1, changed().right);
}

TEST_F(SpriteDraw, DrawsWithoutAFrameADestinationOrAPlaceFailAndLeaveTheSurface) {
    sprite.current_frame = 1; // a slot without a surface
    EXPECT_EQ(0, sprite_draw(&sprite, dest));
    sprite.current_frame = 64;
    EXPECT_EQ(0, sprite_draw(&sprite, dest));
    sprite.current_frame = -1;
    EXPECT_EQ(0, sprite_draw(&sprite, dest));
    sprite.current_frame = 0;
    EXPECT_EQ(0, sprite_draw(&sprite, nullptr));
    EXPECT_EQ(0, sprite_draw(nullptr, dest));
    EXPECT_EQ(0, sprite_draw_scaled(nullptr, 1, 1, dest));
    // Positions that are no pixel at all.
    sprite.x = std::numeric_limits<float>::quiet_NaN();
    EXPECT_EQ(0, sprite_draw(&sprite, dest));
    sprite.x = 3e9f;
    EXPECT_EQ(0, sprite_draw(&sprite, dest));
    // Off the surface with no clipper, and a failing blit.
    sprite.x = 90.0f;
    EXPECT_EQ(0, sprite_draw(&sprite, dest));
    sprite.x = 0.0f;
    ddraw_fail_calls(DDFAIL_BLT, 1);
    EXPECT_EQ(0, sprite_draw(&sprite, dest));
    ddraw_reset_failures();
    EXPECT_EQ(-1, changed().right);
    // After destroy the slot is empty, so the draw fails instead of using a released frame.
    sprite_destroy(&sprite);
    EXPECT_EQ(0, sprite_draw(&sprite, dest));
}

TEST_F(SpriteDraw, AClipperOnTheDestinationCutsSpritesThatLeaveIt) {
    const RECT whole = {0, 0, DEST, DEST};
    IDirectDrawClipper* clipper = attach_clipper(dest, 1, &whole);
    ASSERT_NE(nullptr, clipper);
    sprite.x = 90.0f;
    sprite.y = -10.0f;
    EXPECT_EQ(1, sprite_draw(&sprite, dest));
    const RECT box = changed();
    EXPECT_EQ(90, box.left);
    EXPECT_EQ(99, box.right);
    EXPECT_EQ(0, box.top);
    EXPECT_EQ(21, box.bottom);
    dest->SetClipper(nullptr);
    clipper->Release();
}
