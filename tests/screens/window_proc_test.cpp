// The window procedure's other messages: creation, destruction, painting, closing, and
// everything it leaves to the default handling.
#include "screen_fixture.h"

#include "platform/winapi/winapi_window.h"

TEST_F(ScreenTest, DestructionAsksTheLoopToEndWithCodeZero) {
    EXPECT_EQ(send(WM_DESTROY, 0, 0), 0);
    EXPECT_FALSE(passed_on);
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 0u);
}

TEST_F(ScreenTest, CreationAndPaintingAreHandledHere) {
    EXPECT_EQ(send(WM_CREATE, 0, 0), 0);
    EXPECT_FALSE(passed_on);
    EXPECT_EQ(send(WM_PAINT, 0, 0), 0);
    EXPECT_FALSE(passed_on);
    MSG msg;
    EXPECT_FALSE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE)) << "painting posts nothing";
}

TEST_F(ScreenTest, CloseGoesThroughTheDefaultHandlingToTheEnd) {
    send(WM_CLOSE, 0, 0);
    EXPECT_TRUE(passed_on);
    EXPECT_EQ(winapi_last_default_message(), static_cast<UINT>(WM_CLOSE));
    RECT rect;
    EXPECT_FALSE(GetWindowRect(MainWindow, &rect)) << "the default handling destroyed it";
    MSG msg;
    ASSERT_TRUE(PeekMessage(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
}

TEST_F(ScreenTest, OtherMessagesArePassedOn) {
    for (UINT message :
         {static_cast<UINT>(WM_KEYUP), static_cast<UINT>(WM_CHAR), static_cast<UINT>(WM_MOUSEMOVE),
          static_cast<UINT>(WM_LBUTTONUP), static_cast<UINT>(0x7FFF)}) {
        send(message, VK_RETURN, 0);
        EXPECT_TRUE(passed_on) << message;
        EXPECT_EQ(winapi_last_default_message(), message);
    }
    EXPECT_EQ(GameState, STATE_MENU);
}
