// A program's drawing tested headless: no window on a screen, a virtual clock, scripted input,
// and the presented frames kept for reading.
#include "engine/engine.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

TEST(Guide, AKeyAndAClickReachTheProgramAndTheFrameShowsIt) {
    platform_reset(); // the headless backend, its clock at 0, nothing scripted
    WNDCLASSEX window_class = {};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.lpszClassName = "TEST";
    ASSERT_TRUE(RegisterClassEx(&window_class));
    MainWindow = CreateWindowEx(0, "TEST", "test", WS_POPUP, 0, 0, 320, 200, nullptr, nullptr,
                                nullptr, nullptr);
    ASSERT_EQ(display_init(320, 200, 8, 1), 1);
    headless_script_key(5, VK_SPACE, 1); // Space goes down 5 virtual ms in,
    headless_script_click(9, 100, 50);   // the left button at (100, 50) 4 ms later
    int color = 0, clicks = 0;
    for (int frame = 0; frame < 3; ++frame) {
        start_frame_clock();
        MSG msg;
        while (PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE))
            clicks += msg.message == WM_LBUTTONDOWN;
        if (GetAsyncKeyState(VK_SPACE) & 0x8000) color = 40;
        fill_surface(back_surface, color, nullptr);
        present_frame();
        wait_frame_clock(30); // virtual time: the wait costs nothing
    }
    const HeadlessFrame* shown = headless_last_frame();
    ASSERT_NE(shown, nullptr);
    EXPECT_EQ(shown->width, 320);
    EXPECT_EQ(shown->pixels[319 + 199 * 320], 40); // the last pixel, index 40
    EXPECT_EQ(clicks, 1);
    display_shutdown();
}
