// Drawing the current screen's picture into the locked back buffer.
#include "game/setup.h"
#include "screen_fixture.h"

#include <vector>

namespace {

constexpr int PITCH = 648; // wider than a row, so a draw that ignores the pitch shows
constexpr std::uint8_t UNTOUCHED = 0xEE;

void make_picture(BitmapImage* image, std::uint8_t value) {
    ASSERT_EQ(image_create(image, 0, 0, 640, 480, 8), 1);
    image->attributes |= IMAGE_HAS_PIXELS;
    for (int i = 0; i < 640 * 480; i++)
        image->pixels[i] = value;
}

} // namespace

class ScreenDrawTest : public ScreenTest {
  protected:
    void SetUp() override {
        ScreenTest::SetUp();
        for (int i = 0; i < 4; i++)
            make_picture(&MenuImages[i], static_cast<std::uint8_t>(10 + i));
        for (int i = 0; i < 2; i++)
            make_picture(&InfoImages[i], static_cast<std::uint8_t>(20 + i));
        make_picture(&LevelImages[0], 30);
        memory.assign(PITCH * 480, UNTOUCHED);
        back_buffer = memory.data();
        back_pitch = PITCH;
    }
    void TearDown() override {
        for (BitmapImage& image : MenuImages)
            image_destroy(&image);
        for (BitmapImage& image : InfoImages)
            image_destroy(&image);
        image_destroy(&LevelImages[0]);
        back_buffer = nullptr;
        back_pitch = 0;
        ScreenTest::TearDown();
    }
    // The value the whole 640 x 480 area holds, or -1 when it is not one value; the pitch's
    // padding must stay untouched.
    int drawn_value() {
        int value = memory[0];
        for (int y = 0; y < 480; y++) {
            for (int x = 0; x < 640; x++)
                if (memory[y * PITCH + x] != value) return -1;
            for (int x = 640; x < PITCH; x++)
                if (memory[y * PITCH + x] != UNTOUCHED) return -2;
        }
        return value;
    }
    std::vector<std::uint8_t> memory;
};

TEST_F(ScreenDrawTest, TheMenuShowsThePictureOfTheHighlightedEntry) {
    for (int selection = 0; selection < 4; selection++) {
        MenuSelection = selection;
        draw_screen_image();
        EXPECT_EQ(drawn_value(), 10 + selection);
    }
}

TEST_F(ScreenDrawTest, InformationScreensShowTheirPictures) {
    GameState = STATE_INFO1;
    draw_screen_image();
    EXPECT_EQ(drawn_value(), 20);
    GameState = STATE_INFO2;
    draw_screen_image();
    EXPECT_EQ(drawn_value(), 21);
}

TEST_F(ScreenDrawTest, TheLevelPictureIsTheLevelNumbers) {
    draw_level_image();
    EXPECT_EQ(drawn_value(), 30);
}

TEST_F(ScreenDrawTest, QuittingDrawsNothingAndEndsTheLoop) {
    GameState = STATE_QUITTING;
    draw_screen_image();
    EXPECT_EQ(drawn_value(), UNTOUCHED);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(ScreenDrawTest, IndexesOutsideTheArraysDrawNothing) {
    MenuSelection = 4;
    draw_screen_image();
    MenuSelection = -1;
    draw_screen_image();
    GameState = STATE_PLAYING; // not a screen picture: there is no information screen 0
    draw_screen_image();
    GameState = 7;
    draw_screen_image();
    LevelNumber = 1;
    draw_level_image();
    LevelNumber = 0;
    EXPECT_EQ(drawn_value(), UNTOUCHED);
}
