// Lost surfaces: which calls refuse while the display is taken away, what Restore and
// RestoreAllSurfaces answer, and what the memory holds once it is back.
#include "ddraw_fixture.h"

#include "platform/host/headless/headless.h"
#include "platform/host/screen.h"

#include <algorithm>

namespace {

// The surfaces of a full-screen display: the flip chain and two plain surfaces.
struct Display {
    IDirectDraw7* dd;
    IDirectDrawSurface7* primary;
    IDirectDrawSurface7* back;
    IDirectDrawSurface7* plain;
    IDirectDrawSurface7* other;
};

HRESULT blit(IDirectDrawSurface7* dest, IDirectDrawSurface7* source) {
    return dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr);
}

HRESULT lock_and_unlock(IDirectDrawSurface7* surface) {
    DDSURFACEDESC2 desc = {};
    desc.dwSize = sizeof desc;
    const HRESULT result = surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr);
    if (SUCCEEDED(result)) surface->Unlock(nullptr);
    return result;
}

HRESULT dc_and_release(IDirectDrawSurface7* surface) {
    HDC dc = nullptr;
    const HRESULT result = surface->GetDC(&dc);
    if (SUCCEEDED(result)) surface->ReleaseDC(dc);
    return result;
}

// Restores one surface and asks another whether it is lost.
HRESULT restore_then_ask(IDirectDrawSurface7* restored, IDirectDrawSurface7* asked) {
    const HRESULT result = restored->Restore();
    return FAILED(result) ? result : asked->IsLost();
}

// A call made while the user is switched away from the display.
HRESULT while_away(const Display& d, HRESULT (*call)(const Display& d)) {
    ddraw_set_display_away(1);
    const HRESULT result = call(d);
    ddraw_set_display_away(0);
    return result;
}

struct LostCall {
    const char* what;
    HRESULT (*call)(const Display& d);
    HRESULT while_lost;
    HRESULT once_restored;
};

const LostCall LostCalls[] = {
    {"IsLost", [](const Display& d) { return d.plain->IsLost(); }, DDERR_SURFACELOST, DD_OK},
    {"IsLost of the back buffer", [](const Display& d) { return d.back->IsLost(); },
     DDERR_SURFACELOST, DD_OK},
    {"colour fill", [](const Display& d) { return fill(d.plain, 7); }, DDERR_SURFACELOST, DD_OK},
    {"blit onto a lost surface",
     [](const Display& d) {
         d.other->Restore();
         return blit(d.plain, d.other);
     },
     DDERR_SURFACELOST, DD_OK},
    {"blit from a lost surface",
     [](const Display& d) {
         d.other->Restore();
         return blit(d.other, d.plain);
     },
     DDERR_SURFACELOST, DD_OK},
    {"Lock", [](const Display& d) { return lock_and_unlock(d.plain); }, DDERR_SURFACELOST, DD_OK},
    {"Lock of the back buffer", [](const Display& d) { return lock_and_unlock(d.back); },
     DDERR_SURFACELOST, DD_OK},
    {"GetDC", [](const Display& d) { return dc_and_release(d.plain); }, DDERR_SURFACELOST, DD_OK},
    {"Flip", [](const Display& d) { return d.primary->Flip(nullptr, DDFLIP_WAIT); },
     DDERR_SURFACELOST, DD_OK},
    // What describes a surface, rather than its pixels, survives the loss.
    {"GetSurfaceDesc",
     [](const Display& d) {
         DDSURFACEDESC2 desc = {};
         desc.dwSize = sizeof desc;
         const HRESULT result = d.plain->GetSurfaceDesc(&desc);
         return desc.dwWidth == 8 ? result : DDERR_GENERIC;
     },
     DD_OK, DD_OK},
    {"GetColorKey",
     [](const Display& d) {
         DDCOLORKEY key = {};
         const HRESULT result = d.plain->GetColorKey(DDCKEY_SRCBLT, &key);
         return key.dwColorSpaceLowValue == 253 ? result : DDERR_GENERIC;
     },
     DD_OK, DD_OK},
    // Restoring the primary brings its back buffer along; the back buffer alone cannot be.
    {"Restore of the primary", [](const Display& d) { return restore_then_ask(d.primary, d.back); },
     DD_OK, DD_OK},
    {"Restore of the back buffer", [](const Display& d) { return d.back->Restore(); },
     DDERR_IMPLICITLYCREATED, DDERR_IMPLICITLYCREATED},
    {"Restore of one surface leaves the others lost",
     [](const Display& d) { return restore_then_ask(d.plain, d.other); }, DDERR_SURFACELOST, DD_OK},
    // While the user is switched away nothing comes back; a whole surface needs nothing.
    {"Restore while away",
     [](const Display& d) {
         return while_away(d, [](const Display& e) { return e.plain->Restore(); });
     },
     DDERR_WRONGMODE, DD_OK},
    {"RestoreAllSurfaces while away",
     [](const Display& d) {
         return while_away(d, [](const Display& e) { return e.dd->RestoreAllSurfaces(); });
     },
     DDERR_WRONGMODE, DDERR_WRONGMODE},
};

} // namespace

using DdrawLost = DdrawTest;

TEST_F(DdrawLost, EachCallOnALostSurfaceAndOnceItIsRestored) {
    take_display(64, 48, 8);
    for (const LostCall& row : LostCalls) {
        SCOPED_TRACE(row.what);
        Display d = {dd, nullptr, nullptr, offscreen(8, 8), offscreen(8, 8)};
        flip_chain(&d.primary, &d.back);
        DDCOLORKEY key = {253, 253};
        ASSERT_EQ(DD_OK, d.plain->SetColorKey(DDCKEY_SRCBLT, &key));

        ddraw_lose_all_surfaces();
        EXPECT_EQ(row.while_lost, row.call(d));
        ASSERT_EQ(DD_OK, dd->RestoreAllSurfaces());
        EXPECT_EQ(row.once_restored, row.call(d));

        d.back->Release();
        d.primary->Release();
        d.plain->Release();
        d.other->Release();
    }
}

TEST_F(DdrawLost, TheMemoryComesBackWithoutItsPixelsAndTheScreenShowsIt) {
    take_display(64, 48, 8);
    IDirectDrawSurface7 *primary = nullptr, *back = nullptr;
    flip_chain(&primary, &back);
    IDirectDrawSurface7* first = offscreen(16, 16);
    IDirectDrawSurface7* gone = offscreen(16, 16);
    IDirectDrawSurface7* last = offscreen(16, 16);
    const std::vector<std::uint8_t> picture(16 * 16, 42);
    write_surface_pixels(first, picture);
    write_surface_pixels(last, picture);
    ASSERT_EQ(DD_OK, fill(primary, 42));
    // A surface released before the loss is no longer among those it reaches.
    gone->Release();

    ddraw_lose_all_surfaces();
    EXPECT_EQ(DDERR_SURFACELOST, first->IsLost());
    EXPECT_EQ(DDERR_SURFACELOST, last->IsLost());
    // The screen shows what the memory now holds at its next refresh.
    const int presented = headless_frame_count();
    headless_set_clock(headless_clock() + 100);
    video_refresh();
    ASSERT_GT(headless_frame_count(), presented);
    const std::vector<std::uint8_t>& shown = headless_last_frame()->pixels;
    EXPECT_EQ(shown.end(), std::find(shown.begin(), shown.end(), 42));

    // A surface made while the others are lost is whole.
    IDirectDrawSurface7* fresh = offscreen(4, 4);
    EXPECT_EQ(DD_OK, fresh->IsLost());

    ASSERT_EQ(DD_OK, dd->RestoreAllSurfaces());
    for (IDirectDrawSurface7* surface : {first, last}) {
        const std::vector<std::uint8_t> held = read_surface_pixels(surface);
        ASSERT_EQ(picture.size(), held.size());
        // Neither the picture nor black: a picture not drawn again must stand out.
        EXPECT_EQ(held.end(), std::find(held.begin(), held.end(), 42));
        EXPECT_EQ(held.end(), std::find(held.begin(), held.end(), 0));
        EXPECT_EQ(held.end(), std::find(held.begin(), held.end(), 253));
    }
    // Nothing else is lost with the memory, and the surfaces draw again.
    EXPECT_EQ(DD_OK, fill(first, 9));
    EXPECT_EQ(std::vector<std::uint8_t>(16 * 16, 9), read_surface_pixels(first));

    for (IDirectDrawSurface7* surface : {fresh, last, first, back, primary})
        surface->Release();
}
