// The short way in, run headless with scripted input: a tap shorter than a frame, a held key,
// the mouse, the wheel and typed text each arrive in the frame they belong to; a close request
// ends the loop; the window procedure of the program sees the messages; a display that cannot
// be had leaves nothing open; controllers plugged in and out keep their numbers.
#include "engine/app.h"
#include "engine/display/display_context.h"
#include "engine/display/error_log.h"
#include "engine/util/frame_clock.h"
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/host/headless/headless_pads.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

namespace {

int ClosesSeen = 0;

LRESULT CALLBACK counting_proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    ClosesSeen += message == WM_CLOSE;
    if (message == WM_CLOSE) return 0;
    return DefWindowProcA(window, message, wparam, lparam);
}

// What one frame saw of the keys A and B.
struct Keys {
    int a_down, a_pressed, a_released, b_down, b_pressed, b_released;
    bool operator==(const Keys&) const = default;
};

Keys frame_keys() {
    EXPECT_EQ(app_frame(), 1);
    return {app_key_down('A'), app_key_pressed('A'), app_key_released('A'),
            app_key_down('B'), app_key_pressed('B'), app_key_released('B')};
}

} // namespace

TEST(App, ScriptedInputArrivesFrameByFrameAndACloseEndsTheLoop) {
    platform_reset();
    display_context_reset();
    ASSERT_EQ(app_open("App test", 320, 200, 8, 1), 1);
    ASSERT_NE(MainWindow, nullptr);
    ASSERT_NE(back_surface, nullptr);
    app_set_window_proc(counting_proc);
    ASSERT_EQ(app_frame(), 1);

    // Down and up again 1 ms later, both before the next frame: pressed and released in that
    // frame, never down, and nothing in the frame after.
    DWORD now = read_clock();
    headless_script_key(now + 2, 'A', 1);
    headless_script_key(now + 3, 'A', 0);
    EXPECT_EQ(frame_keys(), (Keys{0, 1, 1, 0, 0, 0}));
    EXPECT_EQ(frame_keys(), (Keys{0, 0, 0, 0, 0, 0}));

    // Held over four frames: down in each, pressed in the first alone, released after.
    headless_script_key(read_clock() + 2, 'B', 1);
    EXPECT_EQ(frame_keys(), (Keys{0, 0, 0, 1, 1, 0}));
    for (int frame = 0; frame < 3; ++frame)
        EXPECT_EQ(frame_keys(), (Keys{0, 0, 0, 1, 0, 0}));
    headless_script_key(read_clock() + 2, 'B', 0);
    EXPECT_EQ(frame_keys(), (Keys{0, 0, 0, 0, 0, 1}));

    // The mouse, the wheel and typed text in one frame; only the held button outlasts it.
    now = read_clock();
    headless_script_mouse(now + 1, VIDEO_MOUSE_MOVE, VIDEO_BUTTON_LEFT, 123, 45);
    headless_script_mouse(now + 2, VIDEO_MOUSE_DOWN, VIDEO_BUTTON_RIGHT, 124, 46);
    headless_script_wheel(now + 3, 2);
    headless_script_text(now + 4, "h\xC3\xA9!"); // "hé!" typed, é in the code page
    ASSERT_EQ(app_frame(), 1);
    std::int32_t x = 0, y = 0;
    app_mouse(&x, &y);
    EXPECT_EQ(x, 124);
    EXPECT_EQ(y, 46);
    EXPECT_TRUE(app_mouse_down(APP_MOUSE_RIGHT));
    EXPECT_TRUE(app_mouse_pressed(APP_MOUSE_RIGHT));
    EXPECT_FALSE(app_mouse_down(APP_MOUSE_LEFT));
    EXPECT_EQ(app_wheel(), 2);
    EXPECT_STREQ(app_typed(), "h\xE9!");
    ASSERT_EQ(app_frame(), 1);
    EXPECT_TRUE(app_mouse_down(APP_MOUSE_RIGHT));
    EXPECT_FALSE(app_mouse_pressed(APP_MOUSE_RIGHT));
    EXPECT_EQ(app_wheel(), 0);
    EXPECT_STREQ(app_typed(), "");
    EXPECT_FALSE(app_mouse_down(3));
    EXPECT_FALSE(app_key_down(-1));
    EXPECT_FALSE(app_key_pressed(256));

    // A frame lasts the time set: two frames start at least that far apart on the clock.
    ASSERT_EQ(app_set_frame_time(50), 1);
    EXPECT_EQ(app_set_frame_time(0), 0);
    ASSERT_EQ(app_frame(), 1);
    const DWORD first = FrameStartTicks;
    ASSERT_EQ(app_frame(), 1);
    EXPECT_GE(FrameStartTicks - first, 50u);
    app_set_frame_time(30);

    // The close button asks; the program's procedure sees it and the loop ends.
    headless_script_close(read_clock() + 1);
    EXPECT_EQ(app_frame(), 0);
    EXPECT_EQ(app_frame(), 0); // and stays ended
    EXPECT_EQ(ClosesSeen, 1);
    EXPECT_EQ(app_close(), 1);
    EXPECT_EQ(MainWindow, nullptr);
    EXPECT_EQ(ddraw_live_objects(), 0);
    EXPECT_EQ(app_close(), 0);
    EXPECT_EQ(app_frame(), 0);
}

TEST(App, ADisplayThatCannotBeHadLeavesNothingOpenAndSaysWhy) {
    platform_reset();
    display_context_reset();
    const std::string log_name = (make_temp_folder("app_test") / "app.log").string();
    ASSERT_EQ(open_error_log(log_name.c_str(), nullptr), 1);
    EXPECT_EQ(app_open("Too deep", 320, 200, 24, 1), 0);
    EXPECT_EQ(app_open("No size", 0, 200, 8, 1), 0);
    EXPECT_EQ(MainWindow, nullptr);
    EXPECT_EQ(ddraw_live_objects(), 0);
    // Opening again after a failure works, and a second open while open is refused.
    ASSERT_EQ(app_open("Fine", 320, 200, 8, 1), 1);
    EXPECT_EQ(app_open("Twice", 320, 200, 8, 1), 0);
    EXPECT_EQ(app_close(), 1);
    close_error_log();
    std::ifstream log(log_name);
    const std::string text((std::istreambuf_iterator<char>(log)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\nNo display: "), std::string::npos);
    EXPECT_NE(text.find("\nNo window: no display"), std::string::npos);
    EXPECT_NE(text.find("\nNo window: a size"), std::string::npos);
    EXPECT_NE(text.find("\nNo window: it is open already"), std::string::npos);
}

// Scripted controllers through the frames: numbers kept while others come and go, a tap
// inside one frame, the bound keys still pressed, the axes' dead zone, and an unplugged
// controller letting go.
TEST(App, ControllersKeepTheirNumbersAndReportButtonsAndAxesFrameByFrame) {
    platform_reset();
    display_context_reset();
    ASSERT_EQ(app_open("Pads", 320, 200, 8, 1), 1);
    ASSERT_EQ(app_frame(), 1);
    EXPECT_EQ(app_pad_count(), 0);
    EXPECT_FALSE(app_pad_down(0, PAD_SOUTH));

    // Two plugged in: numbered in the order read, the second already holding A.
    const std::uint32_t a = pad_button(PAD_SOUTH);
    headless_script_pad(read_clock() + 1, 10, 0, nullptr);
    headless_script_pad(read_clock() + 1, 20, a, nullptr);
    ASSERT_EQ(app_frame(), 1);
    EXPECT_EQ(app_pad_count(), 2);
    EXPECT_TRUE(app_pad_down(1, PAD_SOUTH) && app_pad_pressed(1, PAD_SOUTH));
    EXPECT_FALSE(app_pad_down(0, PAD_SOUTH) || app_pad_pressed(0, PAD_SOUTH));

    // A tap shorter than a frame on controller 0, and Start, which the platform's own bindings
    // make Enter; controller 1 still holds A, pressed no more.
    DWORD now = read_clock();
    headless_script_pad(now + 1, 10, a | pad_button(PAD_START), nullptr);
    headless_script_pad(now + 2, 10, 0, nullptr);
    ASSERT_EQ(app_frame(), 1);
    EXPECT_TRUE(app_pad_pressed(0, PAD_SOUTH) && app_pad_released(0, PAD_SOUTH));
    EXPECT_FALSE(app_pad_down(0, PAD_SOUTH));
    EXPECT_TRUE(app_key_pressed(VK_RETURN) && app_key_released(VK_RETURN));
    EXPECT_TRUE(app_pad_down(1, PAD_SOUTH) && !app_pad_pressed(1, PAD_SOUTH));

    // Axes: the dead zone reads 0, past it the range is stretched so that both ends are kept;
    // the left stick pushed left holds PAD_LEFT.
    struct Case {
        std::int32_t raw, stick, trigger;
    };
    const Case cases[] = {{0, 0, 0},
                          {7999, 0, 4652},
                          {-8000, 0, 0},
                          {20000, 15876, 18275},
                          {32767, 32767, 32767},
                          {-32768, -32768, 0}};
    for (const Case& c : cases) {
        const std::int32_t axes[PAD_AXIS_COUNT] = {c.raw, 0, 0, c.raw, c.raw, 0};
        headless_script_pad(read_clock() + 1, 20, a, axes);
        ASSERT_EQ(app_frame(), 1);
        EXPECT_EQ(app_pad_axis(1, PAD_AXIS_LEFT_X), c.stick) << c.raw;
        EXPECT_EQ(app_pad_axis(1, PAD_AXIS_RIGHT_Y), c.stick) << c.raw;
        EXPECT_EQ(app_pad_axis(1, PAD_AXIS_LEFT_TRIGGER), c.trigger) << c.raw;
        EXPECT_EQ(app_pad_down(1, PAD_LEFT), c.raw == -32768) << c.raw;
    }

    // Controller 1 unplugged while holding A lets go; controller 0 keeps its number, a new
    // controller takes one never used, and controller 1 plugged in again gets its own back.
    headless_script_pad_gone(read_clock() + 1, 20);
    ASSERT_EQ(app_frame(), 1);
    EXPECT_TRUE(app_pad_released(1, PAD_SOUTH) && !app_pad_down(1, PAD_SOUTH));
    EXPECT_EQ(app_pad_axis(1, PAD_AXIS_LEFT_X), 0);
    EXPECT_EQ(app_pad_count(), 1);
    headless_script_pad(read_clock() + 1, 30, a, nullptr);
    ASSERT_EQ(app_frame(), 1);
    EXPECT_EQ(app_pad_count(), 3);
    EXPECT_TRUE(app_pad_down(2, PAD_SOUTH));
    headless_script_pad(read_clock() + 1, 20, pad_button(PAD_NORTH), nullptr);
    ASSERT_EQ(app_frame(), 1);
    EXPECT_TRUE(app_pad_pressed(1, PAD_NORTH));
    EXPECT_FALSE(app_pad_down(2, PAD_NORTH) || app_pad_down(0, PAD_NORTH));

    // Numbers, buttons and axes out of range read as nothing.
    EXPECT_FALSE(app_pad_down(-1, PAD_SOUTH) || app_pad_down(PADS_MAX, PAD_SOUTH));
    EXPECT_FALSE(app_pad_down(2, -1) || app_pad_pressed(2, PAD_BUTTON_COUNT));
    EXPECT_EQ(app_pad_axis(1, PAD_AXIS_COUNT), 0);
    EXPECT_EQ(app_pad_axis(PADS_MAX, PAD_AXIS_LEFT_X), 0);
    EXPECT_EQ(app_close(), 1);
}
