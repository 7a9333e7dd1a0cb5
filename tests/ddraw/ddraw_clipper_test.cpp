// Clippers: clip lists in and out, hostile region headers, and window clippers.
#include "ddraw_fixture.h"

#include "platform/ddraw/ddraw_emulation.h"

#include <cstring>

namespace {

struct Region {
    RGNDATAHEADER header;
    RECT rects[4];
};

Region region_of(std::initializer_list<RECT> rects) {
    Region region = {};
    region.header.dwSize = sizeof(RGNDATAHEADER);
    region.header.iType = RDH_RECTANGLES;
    region.header.nCount = static_cast<DWORD>(rects.size());
    region.header.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    int i = 0;
    for (const RECT& r : rects)
        region.rects[i++] = r;
    return region;
}

LRESULT CALLBACK quiet_window(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(window, message, wparam, lparam);
}

} // namespace

TEST_F(DdrawTest, ClipListRoundTripAndLimits) {
    IDirectDrawClipper* clipper = nullptr;
    ASSERT_EQ(DD_OK, dd->CreateClipper(0, &clipper, nullptr));
    DWORD size = 0;
    EXPECT_EQ(DDERR_NOCLIPLIST, clipper->GetClipList(nullptr, nullptr, &size));
    Region in = region_of({{10, 20, 30, 40}, {5, 25, 50, 35}});
    ASSERT_EQ(DD_OK, clipper->SetClipList(reinterpret_cast<RGNDATA*>(&in), 0));
    ASSERT_EQ(DD_OK, clipper->GetClipList(nullptr, nullptr, &size));
    EXPECT_EQ(32u + 2 * 16, size);
    Region out = {};
    DWORD small = 40;
    EXPECT_TRUE(FAILED(clipper->GetClipList(nullptr, reinterpret_cast<RGNDATA*>(&out), &small)));
    ASSERT_EQ(DD_OK, clipper->GetClipList(nullptr, reinterpret_cast<RGNDATA*>(&out), &size));
    EXPECT_EQ(2u, out.header.nCount);
    EXPECT_EQ(0, std::memcmp(in.rects, out.rects, 2 * sizeof(RECT)));
    EXPECT_EQ(5, out.header.rcBound.left);
    EXPECT_EQ(20, out.header.rcBound.top);
    EXPECT_EQ(50, out.header.rcBound.right);
    EXPECT_EQ(40, out.header.rcBound.bottom);
    // Limited to a rectangle: the pieces inside it.
    RECT limit = {0, 0, 20, 30};
    size = sizeof out;
    ASSERT_EQ(DD_OK, clipper->GetClipList(&limit, reinterpret_cast<RGNDATA*>(&out), &size));
    ASSERT_EQ(2u, out.header.nCount);
    EXPECT_EQ(20, out.rects[0].right);
    EXPECT_EQ(30, out.rects[0].bottom);

    // Headers that do not describe a rectangle list are refused and change nothing.
    Region bad = in;
    bad.header.nCount = 0x7FFFFFFF;
    EXPECT_EQ(DDERR_INVALIDPARAMS, clipper->SetClipList(reinterpret_cast<RGNDATA*>(&bad), 0));
    bad = in;
    bad.header.nRgnSize = 16; // too small for two
    EXPECT_EQ(DDERR_INVALIDPARAMS, clipper->SetClipList(reinterpret_cast<RGNDATA*>(&bad), 0));
    bad = in;
    bad.header.iType = 2;
    EXPECT_EQ(DDERR_INVALIDPARAMS, clipper->SetClipList(reinterpret_cast<RGNDATA*>(&bad), 0));
    ddraw_fail_calls(DDFAIL_SET_CLIP_LIST, 1);
    EXPECT_TRUE(FAILED(clipper->SetClipList(reinterpret_cast<RGNDATA*>(&in), 0)));
    size = 0;
    ASSERT_EQ(DD_OK, clipper->GetClipList(nullptr, nullptr, &size));
    EXPECT_EQ(32u + 2 * 16, size);

    // A surface with a clipper that has no list cannot be blitted to.
    ASSERT_EQ(DD_OK, clipper->SetClipList(nullptr, 0));
    IDirectDrawSurface7* surface = offscreen(8, 8);
    ASSERT_EQ(DD_OK, surface->SetClipper(clipper));
    EXPECT_EQ(DDERR_NOCLIPLIST, fill(surface, 1));
    ASSERT_EQ(DD_OK, surface->SetClipper(nullptr));
    EXPECT_EQ(DD_OK, fill(surface, 1));
    clipper->Release();
    surface->Release();
}

TEST_F(DdrawTest, WindowClipperFollowsTheWindowRectangle) {
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = quiet_window;
    wc.lpszClassName = "ddraw clipper test";
    ASSERT_NE(0, RegisterClassExA(&wc));
    HWND window = CreateWindowExA(0, "ddraw clipper test", "clip", WS_POPUP | WS_VISIBLE, 0, 0, 640,
                                  480, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, window);
    RECT expected = {};
    ASSERT_TRUE(GetWindowRect(window, &expected));

    IDirectDrawClipper* clipper = nullptr;
    ASSERT_EQ(DD_OK, dd->CreateClipper(0, &clipper, nullptr));
    ASSERT_EQ(DD_OK, clipper->SetHWnd(0, window));
    HWND bound = nullptr;
    ASSERT_EQ(DD_OK, clipper->GetHWnd(&bound));
    EXPECT_EQ(window, bound);
    Region out = {};
    DWORD size = sizeof out;
    ASSERT_EQ(DD_OK, clipper->GetClipList(nullptr, reinterpret_cast<RGNDATA*>(&out), &size));
    ASSERT_EQ(1u, out.header.nCount);
    EXPECT_EQ(0, std::memcmp(&expected, &out.rects[0], sizeof(RECT)));
    Region list = region_of({{0, 0, 1, 1}});
    EXPECT_TRUE(FAILED(clipper->SetClipList(reinterpret_cast<RGNDATA*>(&list), 0)));

    // A window that is gone leaves nothing to draw into.
    DestroyWindow(window);
    IDirectDrawSurface7* surface = offscreen(8, 8);
    ASSERT_EQ(DD_OK, fill(surface, 3));
    ASSERT_EQ(DD_OK, surface->SetClipper(clipper));
    EXPECT_EQ(DD_OK, fill(surface, 4));
    EXPECT_EQ(std::vector<std::uint8_t>(64, 3), read_surface_pixels(surface));
    clipper->Release();
    surface->Release();
}
