// The SDL2 backend's picture placement, scaling, mouse mapping and key codes, and its
// failure to open a window where there is no display.
#include "platform/video/sdl/sdl_backend.h"
#include "platform/video/sdl/sdl_backend_keys.h"
#include "platform/video/sdl/sdl_backend_scale.h"
#include "platform/video/viewport.h"
#include "platform/video/video_backend.h"
#include "platform/win32.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

TEST(SdlViewport, TheLargestWholeFactorCentredOnBlack) {
    VideoViewport v = fit_picture(1920, 1080, 640, 480);
    EXPECT_EQ(v.width, 1280); // factor 2: 3 would need 1440 rows
    EXPECT_EQ(v.height, 960);
    EXPECT_EQ(v.x, 320);
    EXPECT_EQ(v.y, 60);

    v = fit_picture(1280, 1024, 640, 480);
    EXPECT_EQ(v.width, 1280);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.y, 32);

    v = fit_picture(640, 480, 640, 480);
    EXPECT_EQ(v.x, 0);
    EXPECT_EQ(v.width, 640);

    v = fit_picture(2560, 1440, 640, 480);
    EXPECT_EQ(v.width, 1920); // factor 3
    EXPECT_EQ(v.height, 1440);
}

TEST(SdlViewport, AnOutputSmallerThanThePictureStillShowsAllOfIt) {
    VideoViewport v = fit_picture(320, 400, 640, 480);
    EXPECT_EQ(v.width, 320);
    EXPECT_EQ(v.height, 240);
    EXPECT_EQ(v.y, 80);
    v = fit_picture(0, 480, 640, 480);
    EXPECT_EQ(v.width, 0);
    v = fit_picture(640, 480, 0, 0);
    EXPECT_EQ(v.width, 0);
}

TEST(SdlViewport, MousePositionsMapBackThroughScaleAndOffset) {
    VideoViewport v = fit_picture(1920, 1080, 640, 480); // (320, 60), factor 2
    int x = -1, y = -1;
    ASSERT_TRUE(map_to_picture(v, 640, 480, 320, 60, &x, &y));
    EXPECT_EQ(x, 0);
    EXPECT_EQ(y, 0);
    ASSERT_TRUE(map_to_picture(v, 640, 480, 320 + 2 * 384 + 1, 60 + 2 * 289 + 1, &x, &y));
    EXPECT_EQ(x, 384);
    EXPECT_EQ(y, 289);
    ASSERT_TRUE(map_to_picture(v, 640, 480, 320 + 1279, 60 + 959, &x, &y));
    EXPECT_EQ(x, 639);
    EXPECT_EQ(y, 479);
    // The black border is outside the game's screen.
    EXPECT_FALSE(map_to_picture(v, 640, 480, 319, 100, &x, &y));
    EXPECT_FALSE(map_to_picture(v, 640, 480, 320 + 1280, 100, &x, &y));
    EXPECT_FALSE(map_to_picture(v, 640, 480, 400, 59, &x, &y));
    EXPECT_FALSE(map_to_picture(v, 640, 480, 400, 60 + 960, &x, &y));
    VideoViewport empty = {0, 0, 0, 0};
    EXPECT_FALSE(map_to_picture(empty, 640, 480, 0, 0, &x, &y));
}

// Every output size, odd and tiny ones included: the picture lies inside the output, centred
// to the pixel, in its own proportions, at a whole scale whenever it fits once; and every
// output pixel maps back onto the game pixel that covers it, or nowhere when on the border.
TEST(SdlViewport, EverySizePlacesThePictureCentredAndClicksMapBackThroughTheSamePlacement) {
    std::srand(13);
    for (int i = 0; i < 3000; i++) {
        int out_w = i < 40 ? 1 + i * 53 % 2000 : 1 + std::rand() % 3000;
        int out_h = i < 40 ? 1 + i * 37 % 1500 : 1 + std::rand() % 2000;
        VideoViewport v = fit_picture(out_w, out_h, 640, 480);
        SCOPED_TRACE(std::to_string(out_w) + "x" + std::to_string(out_h));
        ASSERT_GE(v.x, 0);
        ASSERT_GE(v.y, 0);
        ASSERT_LE(v.x + v.width, out_w);
        ASSERT_LE(v.y + v.height, out_h);
        EXPECT_LE(std::abs((out_w - v.x - v.width) - v.x), 1);
        EXPECT_LE(std::abs((out_h - v.y - v.height) - v.y), 1);
        if (out_w >= 640 && out_h >= 480) {
            int factor = v.width / 640;
            EXPECT_EQ(v.width, 640 * factor);
            EXPECT_EQ(v.height, 480 * factor);
            EXPECT_TRUE(out_w < 640 * (factor + 1) || out_h < 480 * (factor + 1));
        } else {
            // Scaled down, touching the output on one side, in proportion to a pixel.
            EXPECT_TRUE(v.width == out_w || v.height == out_h);
            EXPECT_LE(std::abs(v.width * 480 - v.height * 640), 640);
        }
        int ox = std::rand() % out_w, oy = std::rand() % out_h;
        int x = -1, y = -1;
        int inside = ox >= v.x && ox < v.x + v.width && oy >= v.y && oy < v.y + v.height;
        ASSERT_EQ(map_to_picture(v, 640, 480, ox, oy, &x, &y), inside);
        if (!inside) continue;
        ASSERT_TRUE(x >= 0 && x < 640 && y >= 0 && y < 480);
        if (v.width >= 640) {
            int factor = v.width / 640;
            EXPECT_EQ(x, (ox - v.x) / factor);
            EXPECT_EQ(y, (oy - v.y) / factor);
        }
    }
}

// Every output pixel shows the picture pixel that a click there maps to, and nothing
// outside the picture is written; drawing only the band of changed rows over the old
// picture gives the same output as drawing the new picture whole.
TEST(SdlScale, EachPixelShowsWhatAClickThereSelectsAndBandsMatchWholeFrames) {
    std::srand(29);
    const std::uint32_t BORDER = 0xDEADBEEF;
    for (int i = 0; i < 400; i++) {
        int pw = 1 + std::rand() % 40, ph = 1 + std::rand() % 30;
        int factor = 1 + std::rand() % 3;
        int out_w = i % 2 ? pw * factor + std::rand() % 7 : 1 + std::rand() % 130;
        int out_h = i % 2 ? ph * factor + std::rand() % 7 : 1 + std::rand() % 100;
        SCOPED_TRACE(std::to_string(pw) + "x" + std::to_string(ph) + " in " +
                     std::to_string(out_w) + "x" + std::to_string(out_h));
        VideoViewport v = fit_picture(out_w, out_h, pw, ph);
        std::vector<std::uint32_t> old_picture(static_cast<std::size_t>(pw * ph));
        for (auto& p : old_picture)
            p = static_cast<std::uint32_t>(std::rand());
        std::vector<std::uint32_t> out(static_cast<std::size_t>(out_w * out_h), BORDER);
        scale_rows(old_picture.data(), pw, pw, ph, v, 0, v.height - 1, out.data(), out_w);
        for (int oy = 0; oy < out_h; oy++)
            for (int ox = 0; ox < out_w; ox++) {
                int x = 0, y = 0;
                std::uint32_t want = map_to_picture(v, pw, ph, ox, oy, &x, &y)
                                         ? old_picture[static_cast<std::size_t>(y * pw + x)]
                                         : BORDER;
                ASSERT_EQ(out[static_cast<std::size_t>(oy * out_w + ox)], want)
                    << "at " << ox << "," << oy;
            }
        // A band of rows changes; only its output rows are drawn again.
        int first = std::rand() % ph, last = first + std::rand() % (ph - first);
        std::vector<std::uint32_t> new_picture = old_picture;
        for (int y = first; y <= last; y++)
            for (int x = 0; x < pw; x++)
                new_picture[static_cast<std::size_t>(y * pw + x)] ^= 0x5A5A5A;
        int out_first = 0, out_last = 0;
        if (viewport_rows_of(v, ph, first, last, &out_first, &out_last))
            scale_rows(new_picture.data(), pw, pw, ph, v, out_first, out_last, out.data(), out_w);
        std::vector<std::uint32_t> whole(static_cast<std::size_t>(out_w * out_h), BORDER);
        scale_rows(new_picture.data(), pw, pw, ph, v, 0, v.height - 1, whole.data(), out_w);
        ASSERT_EQ(out, whole);
    }
}

TEST(SdlViewport, AMovableWindowTakesTheLargestWholeScaleThatFitsTheUsableArea) {
    struct Case {
        int usable_w, usable_h, frame_w, frame_h, factor;
    };
    const Case cases[] = {
        {1366, 768 - 24, 0, 32, 1}, // a laptop: twice the size needs 960 rows
        {1024, 768, 2, 30, 1},
        {1920, 1080 - 40, 4, 30, 2}, // 960 + 30 rows fit in 1040
        {1920, 1000, 0, 41, 1},      // but not beside a taller frame
        {2560, 1440 - 48, 0, 30, 2}, // 1440 + 30 do not fit three times
        {3840, 2160, 0, 30, 4},
        {640, 480, 0, 30, 1}, // too small for even scale 1: still 1
        {0, 0, 0, 0, 1},
        {-5, 100000, -3, -3, 1},
        {1 << 30, 1 << 30, 0, 0, 64},
    };
    for (const Case& c : cases)
        EXPECT_EQ(windowed_factor(c.usable_w, c.usable_h, c.frame_w, c.frame_h, 640, 480), c.factor)
            << c.usable_w << "x" << c.usable_h;
    EXPECT_EQ(windowed_factor(1920, 1080, 0, 0, 0, 480), 1);
}

TEST(SdlKeys, TheGamesKeysHaveTheirVirtualKeyCodes) {
    struct Pair {
        SDL_Keycode sdl;
        int vk;
    };
    const Pair pairs[] = {
        {SDLK_RETURN, VK_RETURN},
        {SDLK_KP_ENTER, VK_RETURN},
        {SDLK_ESCAPE, VK_ESCAPE},
        {SDLK_UP, VK_UP},
        {SDLK_DOWN, VK_DOWN},
        {SDLK_LEFT, VK_LEFT},
        {SDLK_RIGHT, VK_RIGHT},
        {SDLK_DELETE, VK_DELETE},
        {SDLK_PAGEDOWN, VK_NEXT},
        {SDLK_PAGEUP, VK_PRIOR},
        {SDLK_HOME, VK_HOME},
        {SDLK_END, VK_END},
        {SDLK_SPACE, VK_SPACE},
        {SDLK_a, 'A'},
        {SDLK_z, 'Z'},
        {SDLK_s, 'S'},
        {SDLK_0, '0'},
        {SDLK_9, '9'},
        {SDLK_F1, VK_F1},
        {SDLK_F12, VK_F1 + 11},
        // Modifiers by their side; messages carry the generic code.
        {SDLK_LSHIFT, VK_LSHIFT},
        {SDLK_RSHIFT, VK_RSHIFT},
        {SDLK_LCTRL, VK_LCONTROL},
        {SDLK_RALT, VK_RMENU},
        {SDLK_KP_0, VK_NUMPAD0},
        {SDLK_KP_9, VK_NUMPAD9},
        {SDLK_KP_DIVIDE, VK_DIVIDE},
        {SDLK_SEMICOLON, VK_OEM_1},
        {SDLK_QUOTE, VK_OEM_7},
        {SDLK_CAPSLOCK, VK_CAPITAL},
    };
    for (const Pair& p : pairs)
        EXPECT_EQ(sdl_key_to_virtual_key(p.sdl), p.vk) << p.sdl;
    EXPECT_EQ(sdl_key_to_virtual_key(SDLK_VOLUMEUP), 0);
    EXPECT_EQ(sdl_key_to_virtual_key(-5), 0);
}

TEST(SdlBackend, WithoutADisplayTheWindowFailsWithSdlsReason) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    char reason[256];
    std::memset(reason, 0, sizeof reason);
    VideoBackend* sdl = sdl_video_backend();
    EXPECT_EQ(sdl->open_window("Brambleleap 2005", 640, 480, reason, sizeof reason), 0);
    // Not SDL's off-screen fallback, which would run the game unseen, but a failure that
    // says what each real driver found.
    EXPECT_NE(std::strstr(reason, "x11"), nullptr) << reason;
    EXPECT_EQ(std::strchr(reason, '\n'), nullptr) << "one line";
    // Nothing of a window exists: these must be harmless.
    sdl->present(nullptr);
    VideoEvent event;
    EXPECT_EQ(sdl->poll_event(&event), 0);
    sdl->close_window();
}

// A caller polling in a loop (the frame clock's wait) gets a few quick answers within one
// millisecond and is then made to rest until the count moves; each reading is still the
// true count.
TEST(SdlBackend, RepeatedReadingsWaitForTheNextMillisecondAndStayTrue) {
    VideoBackend* sdl = sdl_video_backend();
    auto true_count = [] {
        return static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                      std::chrono::steady_clock::now().time_since_epoch())
                                      .count());
    };
    DWORD previous = sdl->ticks();
    int run = 1, longest_run = 1, changes = 0;
    for (int i = 0; i < 400; i++) {
        DWORD before = true_count();
        DWORD reading = sdl->ticks();
        DWORD after = true_count();
        ASSERT_LT(reading - previous, 0x80000000u) << "never backwards";
        ASSERT_LE(reading - before, after - before) << "within the call, not ahead of it";
        run = reading == previous ? run + 1 : 1;
        changes += reading != previous;
        longest_run = std::max(longest_run, run);
        previous = reading;
    }
    EXPECT_LE(longest_run, 4) << "a polling loop is held back to the next millisecond";
    EXPECT_GE(changes, 400 / 4);
}

TEST(SdlBackend, TheClockIsAWrapping32BitMillisecondCount) {
    VideoBackend* sdl = sdl_video_backend();
    DWORD a = sdl->ticks();
    SDL_Delay(20);
    DWORD b = sdl->ticks();
    EXPECT_GE(b - a, 19u);
    EXPECT_LT(b - a, 5000u);
}
