// Failures injected by number: calls of every kind are counted together, only the numbered
// one fails, and a reset forgets both the count and the number.
#include "ddraw_fixture.h"

using DdrawNumberedFailure = DdrawTest;

TEST_F(DdrawNumberedFailure, OnlyTheNumberedCallFailsWhateverItsKind) {
    take_display(64, 48, 8); // two counted calls: the cooperative level and the mode
    const int before = ddraw_failable_calls();
    ddraw_fail_call_number(before + 3);
    IDirectDrawSurface7* a = offscreen(4, 4); // before + 1
    ASSERT_NE(nullptr, a);
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    EXPECT_EQ(DD_OK, a->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr)); // before + 2
    a->Unlock(nullptr);                                              // not counted
    DDBLTFX fx = {};
    fx.dwSize = sizeof fx;
    EXPECT_EQ(DDERR_SURFACELOST, a->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx));
    EXPECT_EQ(DD_OK, a->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx));
    EXPECT_EQ(before + 4, ddraw_failable_calls());
    a->Release();

    IDirectDraw7* second = nullptr;
    ddraw_fail_call_number(ddraw_failable_calls() + 1);
    EXPECT_EQ(DDERR_OUTOFMEMORY, DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&second),
                                                    IID_IDirectDraw7, nullptr));
    EXPECT_EQ(nullptr, second);

    ddraw_reset_failures();
    EXPECT_EQ(0, ddraw_failable_calls());
    ddraw_fail_call_number(0);
    IDirectDrawSurface7* b = offscreen(4, 4);
    ASSERT_NE(nullptr, b);
    b->Release();
    EXPECT_EQ(1, ddraw_failable_calls());
}
