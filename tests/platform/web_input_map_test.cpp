// The web backend's mapping of KeyboardEvent.code to virtual keys, which keys keep the
// browser's own action from happening, and where clicks on the page land on the picture.
#include "platform/host/web/web_input_map.h"
#include "platform/win32.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

TEST(WebKeys, CodesMapToTheVirtualKeysTheGameReads) {
    struct Case {
        const char* code;
        int virtual_key;
    };
    const Case cases[] = {
        // The game's own keys.
        {"ArrowUp", VK_UP},
        {"ArrowDown", VK_DOWN},
        {"ArrowLeft", VK_LEFT},
        {"ArrowRight", VK_RIGHT},
        {"Enter", VK_RETURN},
        {"NumpadEnter", VK_RETURN},
        {"Escape", VK_ESCAPE},
        {"Delete", VK_DELETE},
        {"PageDown", VK_NEXT},
        {"PageUp", VK_PRIOR},
        {"KeyA", 'A'},
        {"KeyS", 'S'},
        {"KeyZ", 'Z'},
        {"Digit0", '0'},
        {"Digit9", '9'},
        {"Space", VK_SPACE},
        {"Backspace", VK_BACK},
        {"Home", VK_HOME},
        {"End", VK_END},
        {"Insert", VK_INSERT},
        {"Tab", VK_TAB},
        // Modifiers by their side; messages carry the generic code.
        {"ShiftLeft", VK_LSHIFT},
        {"ShiftRight", VK_RSHIFT},
        {"ControlRight", VK_RCONTROL},
        {"AltLeft", VK_LMENU},
        {"Numpad5", VK_NUMPAD5},
        {"NumpadDecimal", VK_DECIMAL},
        {"Semicolon", VK_OEM_1},
        {"IntlBackslash", VK_OEM_102},
        {"MetaLeft", VK_LWIN},
        {"F1", VK_F1},
        {"F12", VK_F1 + 11},
        // Near misses and keys without a code are nothing, never a neighbour's code.
        {"Keya", 0},
        {"Key", 0},
        {"KeyAB", 0},
        {"Key1", 0},
        {"Digit", 0},
        {"Digit10", 0},
        {"DigitA", 0},
        {"F0", 0},
        {"F13", 0},
        {"F01", 0},
        {"F", 0},
        {"F1234", 0},
        {"Numpad10", 0},
        {"VolumeUp", 0},
        {"arrowup", 0},
        {"Enter ", 0},
        {"", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(web_code_to_virtual_key(c.code), c.virtual_key) << '"' << c.code << '"';
    EXPECT_EQ(web_code_to_virtual_key(nullptr), 0);
}

TEST(WebKeys, TheGamesKeysKeepTheBrowserFromScrollingButShortcutsStillWork) {
    struct Case {
        const char* code;
        int modifier;
        int prevented;
    };
    const Case cases[] = {
        {"ArrowDown", 0, 1}, {"ArrowUp", 0, 1},   {"Space", 0, 1},       {"PageDown", 0, 1},
        {"Backspace", 0, 1}, {"KeyS", 0, 1},      {"Enter", 0, 1},       {"Escape", 0, 1},
        {"KeyR", 1, 0},      {"ArrowLeft", 1, 0}, {"Tab", 0, 0},         {"F5", 0, 0},
        {"F12", 0, 0},       {"ShiftLeft", 0, 0}, {"ControlLeft", 0, 0}, {"VolumeUp", 0, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(web_key_prevents_default(web_code_to_virtual_key(c.code), c.modifier),
                  c.prevented)
            << c.code << (c.modifier ? " with a modifier" : "");
}

TEST(WebPage, ThePictureTakesTheLargestWholeScaleOfDevicePixels) {
    struct Case {
        double css_w, css_h, ratio;
        VideoViewport device;
    };
    const Case cases[] = {
        {1400, 1000, 1, {60, 20, 1280, 960}},
        {1400, 1000, 2, {120, 40, 2560, 1920}}, // four device pixels per game pixel
        {700, 500, 2, {60, 20, 1280, 960}},     // twice, on a page 700 CSS pixels wide
        {1280, 720, 1.5, {320, 60, 1280, 960}}, // 1920 x 1080 device pixels: twice
        {640, 480, 1, {0, 0, 640, 480}},
        {320, 240, 1, {0, 0, 320, 240}}, // smaller than the picture: shrunk to fit
        // A ratio that is no sensible number counts as 1.
        {1400, 1000, 0, {60, 20, 1280, 960}},
        {1400, 1000, -2, {60, 20, 1280, 960}},
        {1400, 1000, std::nan(""), {60, 20, 1280, 960}},
        {1400, 1000, std::numeric_limits<double>::infinity(), {60, 20, 1280, 960}},
        // Absurd pages give an empty or bounded placement, not an overflow.
        {0, 0, 1, {0, 0, 0, 0}},
        {-5, 100, 1, {0, 0, 0, 0}},
        {std::nan(""), 1000, 1, {0, 0, 0, 0}},
        // Held at a million device pixels a side.
        {1e300, 1e300, 16, {128, 131168, 640 * 1638, 480 * 1638}},
    };
    for (const Case& c : cases) {
        VideoViewport v = web_page_viewport(c.css_w, c.css_h, c.ratio, 640, 480);
        SCOPED_TRACE(std::to_string(c.css_w) + " x " + std::to_string(c.css_h) + " at " +
                     std::to_string(c.ratio));
        EXPECT_EQ(v.x, c.device.x);
        EXPECT_EQ(v.y, c.device.y);
        EXPECT_EQ(v.width, c.device.width);
        EXPECT_EQ(v.height, c.device.height);
    }
}

// Pages of every size the picture fits on, at the usual device pixel ratios: a click on the
// middle of any game pixel, as the page shows it, maps back onto that game pixel; a click on the
// black around the picture maps nowhere.
TEST(WebPage, AClickOnAGamePixelAsShownMapsBackToIt) {
    std::mt19937 random(7);
    const double ratios[] = {1, 1.25, 1.5, 2, 2.5, 3};
    for (int i = 0; i < 4000; i++) {
        double css_w = 640 + random() % 2400, css_h = 480 + random() % 1600;
        double ratio = ratios[random() % 6];
        VideoViewport v = web_page_viewport(css_w, css_h, ratio, 640, 480);
        ASSERT_GT(v.width, 0);
        int gx = random() % 640, gy = random() % 480;
        // The middle of the game pixel in device pixels, then in CSS pixels.
        double device_x = v.x + (gx + 0.5) * v.width / 640.0;
        double device_y = v.y + (gy + 0.5) * v.height / 480.0;
        int x = -1, y = -1;
        SCOPED_TRACE(std::to_string(css_w) + " x " + std::to_string(css_h) + " at " +
                     std::to_string(ratio));
        ASSERT_TRUE(web_click_to_picture(css_w, css_h, ratio, device_x / ratio, device_y / ratio,
                                         640, 480, &x, &y));
        EXPECT_EQ(x, gx);
        EXPECT_EQ(y, gy);
        // Just left of or above the picture, where there is a border, is no click on it.
        if (v.x >= 2) {
            EXPECT_FALSE(web_click_to_picture(css_w, css_h, ratio, (v.x - 1.5) / ratio,
                                              device_y / ratio, 640, 480, &x, &y));
        }
        if (v.y >= 2) {
            EXPECT_FALSE(web_click_to_picture(css_w, css_h, ratio, device_x / ratio,
                                              (v.y - 1.5) / ratio, 640, 480, &x, &y));
        }
    }
}

TEST(WebPage, ClicksOffThePageOrNotANumberLandNowhere) {
    const double inf = std::numeric_limits<double>::infinity();
    const double points[][2] = {{-1, 500},   {700, -0.5},         {1400, 500},
                                {700, 1000}, {std::nan(""), 500}, {700, std::nan("")},
                                {inf, 500},  {-inf, -inf},        {1e300, 1e300}};
    for (const auto& p : points) {
        int x = -1, y = -1;
        EXPECT_FALSE(web_click_to_picture(1400, 1000, 1, p[0], p[1], 640, 480, &x, &y))
            << p[0] << ", " << p[1];
        EXPECT_EQ(x, -1);
    }
    int x = -1, y = -1;
    EXPECT_FALSE(web_click_to_picture(0, 0, 1, 0, 0, 640, 480, &x, &y));
}
