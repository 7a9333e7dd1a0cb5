// Window classes and the window: registration, creation with WM_CREATE, failure reasons,
// destruction with WM_DESTROY and the default handling of WM_CLOSE.
#include "window_fixture.h"

#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <cstring>

TEST(WindowClass, RegistrationChecksTheRecordAndRefusesDuplicates) {
    platform_reset();
    WNDCLASSEXA wc = test_class("Sample");
    wc.cbSize = 48; // the record size of another platform is not this one's
    EXPECT_EQ(RegisterClassExA(&wc), 0);
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = nullptr;
    EXPECT_EQ(RegisterClassExA(&wc), 0);
    wc.lpfnWndProc = recording_proc;
    EXPECT_NE(RegisterClassExA(&wc), 0);
    WNDCLASSEXA again = test_class("SAMPLE");
    EXPECT_EQ(RegisterClassExA(&again), 0) << "class names ignore case";
    EXPECT_EQ(RegisterClassExA(nullptr), 0);
}

TEST(WindowClass, TheClassKeepsItsOwnCopyOfTheName) {
    platform_reset();
    char name[] = "Mutable";
    WNDCLASSEXA wc = test_class(name);
    ASSERT_NE(RegisterClassExA(&wc), 0);
    std::strcpy(name, "Changed");
    EXPECT_NE(CreateWindowExA(0, "Mutable", "t", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
}

TEST(Window, CreationSendsCreateBeforeReturningAndKeepsTheRectangle) {
    platform_reset();
    Received.clear();
    CreateResult = 0;
    HWND window = open_test_window();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(Received.size(), 1u);
    EXPECT_EQ(Received[0].message, static_cast<UINT>(WM_CREATE));
    EXPECT_EQ(Received[0].window, window);
    RECT rect;
    ASSERT_TRUE(GetWindowRect(window, &rect));
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, 640);
    EXPECT_EQ(rect.bottom, 480);
    EXPECT_STREQ(platform_last_error(), "");
}

TEST(Window, CreationFailsWithAReason) {
    platform_reset();
    Received.clear();
    EXPECT_EQ(CreateWindowExA(0, "NOSUCHCLASS", "t", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_NE(std::strlen(platform_last_error()), 0u);

    WNDCLASSEXA wc = test_class();
    ASSERT_NE(RegisterClassExA(&wc), 0);
    headless_fail_window("no display here");
    EXPECT_EQ(CreateWindowExA(0, "TESTCLASS", "t", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    EXPECT_STREQ(platform_last_error(), "no display here");
    EXPECT_TRUE(Received.empty()) << "a window that was never made gets no WM_CREATE";

    EXPECT_EQ(CreateWindowExA(0, "TESTCLASS", "t", WS_POPUP, 0, 0, -5, 480, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
    // The failure was for one creation only.
    EXPECT_NE(CreateWindowExA(0, "TESTCLASS", "t", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
}

TEST(Window, ARefusedCreateMessageDestroysTheWindow) {
    platform_reset();
    Received.clear();
    CreateResult = -1;
    EXPECT_EQ(open_test_window(), nullptr);
    ASSERT_EQ(Received.size(), 2u);
    EXPECT_EQ(Received[1].message, static_cast<UINT>(WM_DESTROY));
    CreateResult = 0;
    EXPECT_NE(CreateWindowExA(0, "TESTCLASS", "t", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr)
        << "the refused window must not block the next one";
}

TEST_F(WindowTest, OnlyOneWindowAtATime) {
    EXPECT_EQ(CreateWindowExA(0, "TESTCLASS", "t", WS_POPUP, 0, 0, 640, 480, nullptr, nullptr,
                              nullptr, nullptr),
              nullptr);
}

TEST_F(WindowTest, DefaultHandlingOfCloseDestroysTheWindow) {
    EXPECT_EQ(DefWindowProcA(window, WM_CLOSE, 0, 0), 0);
    ASSERT_EQ(Received.size(), 1u);
    EXPECT_EQ(Received[0].message, static_cast<UINT>(WM_DESTROY));
    RECT rect;
    EXPECT_FALSE(GetWindowRect(window, &rect));
    EXPECT_FALSE(DestroyWindow(window)) << "a window is destroyed once";
    EXPECT_EQ(Received.size(), 1u);
}

TEST_F(WindowTest, DefaultHandlingOfOtherMessagesReturnsZeroAndDoesNothing) {
    for (int message : {WM_KEYDOWN, WM_LBUTTONDOWN, WM_PAINT, WM_DESTROY, 0x7FFF}) {
        EXPECT_EQ(DefWindowProcA(window, message, 1, 2), 0);
    }
    EXPECT_TRUE(Received.empty());
    RECT rect;
    EXPECT_TRUE(GetWindowRect(window, &rect));
}

TEST_F(WindowTest, ClosingTheBackendWindowArrivesAsCloseAndDestroys) {
    headless_script_close(0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(msg.hwnd, window);
    DispatchMessageA(&msg);
    ASSERT_EQ(Received.size(), 2u);
    EXPECT_EQ(Received[0].message, static_cast<UINT>(WM_CLOSE));
    EXPECT_EQ(Received[1].message, static_cast<UINT>(WM_DESTROY));
}

TEST_F(WindowTest, PaintingLendsNoContextButSucceeds) {
    PAINTSTRUCT ps;
    std::memset(&ps, 0x55, sizeof ps);
    BeginPaint(window, &ps);
    EXPECT_EQ(ps.rcPaint.right, 640);
    EXPECT_EQ(ps.rcPaint.bottom, 480);
    EXPECT_TRUE(EndPaint(window, &ps));
    EXPECT_EQ(BeginPaint(window, nullptr), nullptr);
}

TEST(StockObjects, TheBlackBrushExists) {
    EXPECT_NE(GetStockObject(BLACK_BRUSH), nullptr);
    EXPECT_NE(GetStockObject(BLACK_BRUSH), GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(GetStockObject(999), nullptr);
}
