// The thread's message queue: one message per PeekMessageA, removal, posted and quit
// messages, dispatch to the window procedure.
#include "window_fixture.h"

TEST_F(WindowTest, EachPeekTakesOneMessageInOrder) {
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, VK_UP, 0));
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, VK_DOWN, 0));
    ASSERT_TRUE(PostMessageA(window, WM_DESTROY, 0, 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(VK_UP));
    EXPECT_EQ(msg.hwnd, window);
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(VK_DOWN));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_DESTROY));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, PeekingWithoutRemoveLeavesTheMessage) {
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, 'S', 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>('S'));
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, FiltersSelectByRangeAndWindow) {
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, 1, 0));
    ASSERT_TRUE(PostMessageA(window, WM_LBUTTONDOWN, 0, 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, WM_LBUTTONDOWN, WM_LBUTTONDOWN, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_LBUTTONDOWN));
    HWND other = reinterpret_cast<HWND>(&msg);
    EXPECT_FALSE(PeekMessageA(&msg, other, 0, 0, PM_REMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, window, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
}

TEST_F(WindowTest, QuitComesOnceAfterThePostedMessagesWithItsCode) {
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, VK_RETURN, 0));
    PostQuitMessage(7);
    PostQuitMessage(0); // asking again replaces the code, it does not queue a second quit
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0));
    std::vector<MSG> taken = drain_queue();
    ASSERT_EQ(taken.size(), 3u);
    EXPECT_EQ(taken[0].wParam, static_cast<WPARAM>(VK_RETURN));
    EXPECT_EQ(taken[1].wParam, static_cast<WPARAM>(VK_ESCAPE));
    EXPECT_EQ(taken[2].message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(taken[2].wParam, 0u);
    EXPECT_EQ(taken[2].hwnd, nullptr);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, QuitPeekedWithoutRemoveStaysPending) {
    PostQuitMessage(3);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE));
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_QUIT));
    EXPECT_EQ(msg.wParam, 3u);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(WindowTest, DispatchCallsTheWindowProcedureWithTheMessage) {
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, 'Q', 1234));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_TRUE(TranslateMessage(&msg));
    DispatchMessageA(&msg);
    ASSERT_EQ(Received.size(), 1u);
    EXPECT_EQ(Received[0].message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_EQ(Received[0].wparam, static_cast<WPARAM>('Q'));
    EXPECT_EQ(Received[0].lparam, 1234);
    EXPECT_FALSE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) << "translation adds nothing";
}

TEST_F(WindowTest, ThreadMessagesAndMessagesForADeadWindowReachNoProcedure) {
    ASSERT_TRUE(PostMessageA(nullptr, WM_KEYDOWN, 1, 0));
    ASSERT_TRUE(PostMessageA(window, WM_KEYDOWN, 2, 0));
    ASSERT_TRUE(DestroyWindow(window));
    Received.clear();
    EXPECT_FALSE(PostMessageA(window, WM_KEYDOWN, 3, 0));
    for (const MSG& msg : drain_queue()) {
        if (msg.message != WM_QUIT) DispatchMessageA(&msg);
    }
    EXPECT_TRUE(Received.empty());
    EXPECT_EQ(DispatchMessageA(nullptr), 0);
}

TEST_F(WindowTest, APostedDestroyIsOnlyAMessage) {
    // The quit request of the game posts WM_DESTROY: the window stays until something
    // destroys it, so the tear-down still has its window.
    ASSERT_TRUE(PostMessageA(window, WM_DESTROY, 0, 0));
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    DispatchMessageA(&msg);
    RECT rect;
    EXPECT_TRUE(GetWindowRect(window, &rect));
}

TEST_F(WindowTest, AFloodOfPostsIsBoundedNotLost) {
    int accepted = 0;
    for (int i = 0; i < 20000; i++)
        accepted += PostMessageA(window, WM_KEYDOWN, i & 0xFF, 0);
    EXPECT_GT(accepted, 1000);
    EXPECT_LT(accepted, 20000) << "the queue must have a bound";
    EXPECT_EQ(static_cast<int>(drain_queue().size()), accepted);
}
