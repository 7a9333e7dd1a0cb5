// Display set-up and shutdown: full screen and windowed at 8 bits, 15 and 16 bits, refused
// modes and failing steps, the palette file, the log lines, and nothing left alive.
#include "display_test_support.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/error_log.h"
#include "engine/display/palette.h"
#include "platform/ddraw/ddraw_emulation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A palette file whose entry i is (i, 255 - i, i / 2) with flags 4.
void write_test_palette(int entries) {
    Palette palette = {};
    for (int i = 0; i < 256; ++i) {
        palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                      static_cast<std::uint8_t>(i / 2), PC_NOCOLLAPSE};
    }
    ASSERT_EQ(save_palette_file("PALDATA2.PAL", palette), 1);
    if (entries < 256) {
        std::string text = read_whole_file("PALDATA2.PAL");
        std::size_t cut = 0;
        for (int line = 0; line < entries; ++line)
            cut = text.find('\n', cut + 1);
        write_whole_file("PALDATA2.PAL", text.substr(0, cut));
    }
}

PALETTEENTRY shown_entry(int index) {
    PALETTEENTRY entry = {};
    EXPECT_EQ(display_palette->GetEntries(0, static_cast<DWORD>(index), 1, &entry), DD_OK);
    return entry;
}

DWORD caps_of(IDirectDrawSurface7* surface) {
    DDSCAPS2 caps = {};
    EXPECT_EQ(surface->GetCaps(&caps), DD_OK);
    return caps.dwCaps;
}

// The one rectangle of a surface's clip list.
RECT only_clip_rect(IDirectDrawClipper* clipper) {
    alignas(RGNDATA) unsigned char storage[32 + 2 * 16] = {};
    auto* region = reinterpret_cast<RGNDATA*>(storage);
    DWORD size = sizeof(storage);
    EXPECT_EQ(clipper->GetClipList(nullptr, region, &size), DD_OK);
    EXPECT_EQ(region->rdh.nCount, 1u);
    return *reinterpret_cast<const RECT*>(region->Buffer);
}

} // namespace

TEST(DisplayInit, FullScreenAt8Bits) {
    enter_fresh_folder();
    write_test_palette(256);
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    EXPECT_NE(directdraw, nullptr);
    EXPECT_EQ(screen_width, 640);
    EXPECT_EQ(screen_height, 480);
    EXPECT_EQ(screen_bpp, 8);
    EXPECT_EQ(screen_windowed, 0);
    EXPECT_EQ(pixel_format, 8);
    EXPECT_EQ(rgb16, &rgb16_565);
    EXPECT_EQ(clip_min_x, 0);
    EXPECT_EQ(clip_min_y, 0);
    EXPECT_EQ(clip_max_x, 639);
    EXPECT_EQ(clip_max_y, 479);
    EXPECT_EQ(window_clipper, nullptr);

    ASSERT_NE(primary_surface, nullptr);
    ASSERT_NE(back_surface, nullptr);
    EXPECT_TRUE(caps_of(primary_surface) & DDSCAPS_FLIP);
    EXPECT_TRUE(caps_of(back_surface) & DDSCAPS_BACKBUFFER);

    ASSERT_NE(back_clipper, nullptr);
    RECT clip = only_clip_rect(back_clipper);
    EXPECT_EQ(clip.left, 0);
    EXPECT_EQ(clip.top, 0);
    EXPECT_EQ(clip.right, 640);
    EXPECT_EQ(clip.bottom, 480);

    // The file's palette, flags included, is the display's.
    ASSERT_NE(display_palette, nullptr);
    DWORD palette_caps = 0;
    display_palette->GetCaps(&palette_caps);
    EXPECT_EQ(palette_caps, static_cast<DWORD>(DDPCAPS_8BIT | DDPCAPS_ALLOW256));
    for (int i : {0, 9, 100, 246, 255}) {
        EXPECT_EQ(palette_entries[i].red, i);
        EXPECT_EQ(palette_entries[i].green, 255 - i);
        EXPECT_EQ(palette_entries[i].flags, PC_NOCOLLAPSE) << i;
        EXPECT_EQ(shown_entry(i).peBlue, i / 2);
        EXPECT_EQ(shown_entry(i).peFlags, PC_NOCOLLAPSE);
    }
    IDirectDrawPalette* attached = nullptr;
    ASSERT_EQ(primary_surface->GetPalette(&attached), DD_OK);
    EXPECT_EQ(attached, display_palette);
    attached->Release();

    EXPECT_EQ(display_shutdown(), 1);
    EXPECT_EQ(ddraw_live_objects(), 0);
    EXPECT_EQ(directdraw, nullptr);
    EXPECT_EQ(back_surface, nullptr);
    EXPECT_EQ(display_shutdown(), 1);
}

TEST(DisplayInit, WindowedAt8BitsReservesTheSystemColours) {
    enter_fresh_folder();
    write_test_palette(256);
    ASSERT_EQ(start_display(640, 480, 8, 1), 1);
    EXPECT_EQ(screen_windowed, 1);
    for (int i = 0; i < 256; ++i) {
        bool reserved = i < 10 || i > 245;
        ASSERT_EQ(palette_entries[i].flags, reserved ? PC_EXPLICIT : PC_NOCOLLAPSE) << i;
        ASSERT_EQ(shown_entry(i).peFlags, reserved ? PC_EXPLICIT : PC_NOCOLLAPSE) << i;
        ASSERT_EQ(palette_entries[i].red, i);
    }
    DWORD palette_caps = 0;
    display_palette->GetCaps(&palette_caps);
    EXPECT_EQ(palette_caps, static_cast<DWORD>(DDPCAPS_8BIT));

    // The back buffer is a plain off-screen surface; the primary clips to the window.
    EXPECT_EQ(caps_of(back_surface) & (DDSCAPS_OFFSCREENPLAIN | DDSCAPS_BACKBUFFER),
              static_cast<DWORD>(DDSCAPS_OFFSCREENPLAIN));
    ASSERT_NE(window_clipper, nullptr);
    HWND bound = nullptr;
    window_clipper->GetHWnd(&bound);
    EXPECT_EQ(bound, MainWindow);
    IDirectDrawClipper* attached = nullptr;
    ASSERT_EQ(primary_surface->GetClipper(&attached), DD_OK);
    EXPECT_EQ(attached, window_clipper);
    attached->Release();
    ASSERT_NE(back_clipper, nullptr);

    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);
}

TEST(DisplayInit, SixteenBitsHasNoPalette) {
    enter_fresh_folder();
    write_test_palette(256);
    start_headless_window();
    palette_entries[3] = {1, 2, 3, 4};
    ASSERT_EQ(display_init(640, 480, 16, 0), 1);
    EXPECT_EQ(display_palette, nullptr);
    EXPECT_EQ(pixel_format, 16);
    EXPECT_EQ(rgb16, &rgb16_565);
    // No palette file was read.
    EXPECT_EQ(palette_entries[3].red, 1);
    EXPECT_EQ(palette_entries[3].flags, 4);
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);
}

TEST(DisplayInit, FifteenBitsSelects555) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(320, 240, 15, 0), 1);
    EXPECT_EQ(pixel_format, 15);
    EXPECT_EQ(rgb16, &rgb16_555);
    EXPECT_EQ(clip_max_x, 319);
    EXPECT_EQ(clip_max_y, 239);
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);
}

TEST(DisplayInit, RefusedModeLeavesTheScreenFieldsUnchanged) {
    enter_fresh_folder();
    EXPECT_EQ(start_display(800, 600, 24, 0), 0);
    EXPECT_NE(directdraw, nullptr);
    EXPECT_EQ(primary_surface, nullptr);
    EXPECT_EQ(screen_width, 640);
    EXPECT_EQ(screen_height, 480);
    EXPECT_EQ(screen_bpp, 8);
    EXPECT_EQ(screen_windowed, 0);
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);

    EXPECT_EQ(start_display(0, -5, 8, 0), 0);
    EXPECT_EQ(screen_width, 640);
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);
}

TEST(DisplayInit, MissingOrShortPaletteFileGivesBlack) {
    enter_fresh_folder();
    start_headless_window();
    for (PaletteEntry& entry : palette_entries)
        entry = {9, 9, 9, 9};
    ASSERT_EQ(display_init(640, 480, 8, 0), 1);
    for (int i = 0; i < 256; ++i) {
        const PaletteEntry& entry = palette_entries[i];
        ASSERT_EQ(entry.red | entry.green | entry.blue | entry.flags, 0) << i;
        ASSERT_EQ(shown_entry(i).peRed, 0);
    }
    display_shutdown();

    write_test_palette(10);
    start_headless_window();
    ASSERT_EQ(display_init(640, 480, 8, 0), 1);
    EXPECT_EQ(palette_entries[9].red, 9);
    EXPECT_EQ(palette_entries[10].green, 0);
    EXPECT_EQ(palette_entries[255].green, 0);
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);
}

TEST(DisplayInit, WritesThePixelFormatLines) {
    enter_fresh_folder();
    ASSERT_EQ(open_error_log("display.log", nullptr), 1);
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    display_shutdown();
    ASSERT_EQ(start_display(640, 480, 15, 0), 1);
    display_shutdown();
    close_error_log();
    std::string text = read_whole_file("display.log");
    EXPECT_NE(text.find("\npixel format = 8\npixel format = 5.6.5\npixel format = 15"
                        "\npixel format = 5.5.5\nClosing"),
              std::string::npos)
        << text;
}

struct FailingStep {
    DdrawFailure kind;
    int calls;
    std::int32_t windowed;
};

TEST(DisplayInit, StopsAtTheFirstFailingStepAndShutdownReleasesWhatExists) {
    const FailingStep steps[] = {
        {DDFAIL_SET_COOPERATIVE_LEVEL, 1, 0}, {DDFAIL_SET_COOPERATIVE_LEVEL, 1, 1},
        {DDFAIL_SET_DISPLAY_MODE, 1, 0},      {DDFAIL_CREATE_SURFACE, 1, 0},
        {DDFAIL_CREATE_SURFACE, 1, 1},        {DDFAIL_CREATE_PALETTE, 1, 0},
        {DDFAIL_SET_PALETTE, 1, 1},           {DDFAIL_CREATE_CLIPPER, 2, 1},
        {DDFAIL_SET_CLIPPER, 2, 1},
    };
    enter_fresh_folder();
    for (const FailingStep& step : steps) {
        start_headless_window();
        ddraw_fail_calls(step.kind, step.calls);
        EXPECT_EQ(display_init(640, 480, 8, step.windowed), 0)
            << step.kind << " windowed " << step.windowed;
        ddraw_reset_failures();
        display_shutdown();
        EXPECT_EQ(ddraw_live_objects(), 0) << step.kind << " windowed " << step.windowed;
    }
}

TEST(DisplayInit, GoesOnWithoutTheBackClipper) {
    enter_fresh_folder();
    start_headless_window();
    ddraw_fail_calls(DDFAIL_CREATE_CLIPPER, 1);
    ASSERT_EQ(display_init(640, 480, 8, 0), 1);
    EXPECT_EQ(back_clipper, nullptr);
    EXPECT_NE(display_palette, nullptr);
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);
}
