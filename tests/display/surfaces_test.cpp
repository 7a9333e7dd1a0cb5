// Off-screen surfaces and clippers: the request and key they hand DirectDraw, the region's
// header and bound, and the refusals that must leave nothing alive.
#include "display_test_support.h"
#include "recording_ddraw.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "engine/display/surfaces.h"
#include "platform/ddraw/ddraw_emulation.h"

#include <gtest/gtest.h>

namespace {

bool same_rect(const RECT& r, LONG left, LONG top, LONG right, LONG bottom) {
    return r.left == left && r.top == top && r.right == right && r.bottom == bottom;
}

} // namespace

TEST(OffscreenSurface, RequestsAPlainSurfaceWithTheLow16BitsAsKey) {
    display_context_reset();
    RecordingDirectDraw fake;
    directdraw = &fake;
    IDirectDrawSurface7* surface = create_offscreen_surface(64, 32, 0, 0x12345);
    EXPECT_EQ(surface, &fake.surface);
    // The record's own size: 124 bytes where pointers take 4, more on this 64-bit build.
    EXPECT_EQ(fake.surface_request.dwSize, sizeof(DDSURFACEDESC2));
    EXPECT_EQ(fake.surface_request.dwFlags, 0x7u);
    EXPECT_EQ(fake.surface_request.dwWidth, 64u);
    EXPECT_EQ(fake.surface_request.dwHeight, 32u);
    EXPECT_EQ(fake.surface_request.ddsCaps.dwCaps, static_cast<DWORD>(DDSCAPS_OFFSCREENPLAIN));
    EXPECT_EQ(fake.surface.color_key_flags, static_cast<DWORD>(DDCKEY_SRCBLT));
    EXPECT_EQ(fake.surface.color_key.dwColorSpaceLowValue, 0x2345u);
    EXPECT_EQ(fake.surface.color_key.dwColorSpaceHighValue, 0x2345u);

    create_offscreen_surface(8, 8, DDSCAPS_SYSTEMMEMORY, -1);
    EXPECT_EQ(fake.surface_request.ddsCaps.dwCaps,
              static_cast<DWORD>(DDSCAPS_SYSTEMMEMORY | DDSCAPS_OFFSCREENPLAIN));
    EXPECT_EQ(fake.surface.color_key.dwColorSpaceLowValue, 0xFFFFu);

    // A refused key still gives the surface; a refused surface gives null.
    fake.surface.set_color_key_result = DDERR_GENERIC;
    EXPECT_EQ(create_offscreen_surface(8, 8, 0, 0), &fake.surface);
    fake.create_surface_result = DDERR_OUTOFMEMORY;
    EXPECT_EQ(create_offscreen_surface(8, 8, 0, 0), nullptr);
    directdraw = nullptr;
}

TEST(OffscreenSurface, CarriesItsKeyOnTheEmulatedDisplay) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 16, 0), 1);
    int live = ddraw_live_objects();
    IDirectDrawSurface7* surface = create_offscreen_surface(100, 50, 0, 0x12345);
    ASSERT_NE(surface, nullptr);
    DDCOLORKEY key = {};
    ASSERT_EQ(surface->GetColorKey(DDCKEY_SRCBLT, &key), DD_OK);
    EXPECT_EQ(key.dwColorSpaceLowValue, 0x2345u);
    DDSCAPS2 caps = {};
    surface->GetCaps(&caps);
    EXPECT_EQ(caps.dwCaps, static_cast<DWORD>(DDSCAPS_OFFSCREENPLAIN));
    surface->Release();

    // Absurd sizes are refused without leaving anything alive.
    EXPECT_EQ(create_offscreen_surface(0, 10, 0, 0), nullptr);
    EXPECT_EQ(create_offscreen_surface(10, -1, 0, 0), nullptr);
    EXPECT_EQ(create_offscreen_surface(1 << 30, 1 << 30, 0, 0), nullptr);
    EXPECT_EQ(ddraw_live_objects(), live);
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);
}

TEST(AttachClipper, HandsDirectDrawTheRegionWithItsBound) {
    display_context_reset();
    RecordingDirectDraw fake;
    RecordingSurface target;
    directdraw = &fake;

    const RECT screen = {0, 0, 640, 480};
    EXPECT_EQ(attach_clipper(&target, 1, &screen), &fake.clipper);
    EXPECT_EQ(target.clipper, &fake.clipper);
    EXPECT_EQ(fake.clipper.header.dwSize, 32u);
    EXPECT_EQ(fake.clipper.header.iType, static_cast<DWORD>(RDH_RECTANGLES));
    EXPECT_EQ(fake.clipper.header.nCount, 1u);
    EXPECT_EQ(fake.clipper.header.nRgnSize, 16u);
    EXPECT_TRUE(same_rect(fake.clipper.header.rcBound, 0, 0, 640, 480));

    const RECT two[] = {{10, 20, 30, 40}, {5, 25, 50, 35}};
    attach_clipper(&target, 2, two);
    EXPECT_EQ(fake.clipper.header.nRgnSize, 32u);
    EXPECT_TRUE(same_rect(fake.clipper.header.rcBound, 5, 20, 50, 40));
    ASSERT_EQ(fake.clipper.rects.size(), 2u);
    EXPECT_TRUE(same_rect(fake.clipper.rects[1], 5, 25, 50, 35));

    // An empty list keeps the start values of the bound.
    EXPECT_EQ(attach_clipper(&target, 0, nullptr), &fake.clipper);
    EXPECT_EQ(fake.clipper.header.nCount, 0u);
    EXPECT_EQ(fake.clipper.header.nRgnSize, 0u);
    EXPECT_TRUE(same_rect(fake.clipper.header.rcBound, 64000, 64000, -64000, -64000));

    // Sides beyond the start values, in the wrong direction, never move the bound.
    const RECT outward = {70000, 70000, -70000, -70000};
    attach_clipper(&target, 1, &outward);
    EXPECT_TRUE(same_rect(fake.clipper.header.rcBound, 64000, 64000, -64000, -64000));
    const RECT wide = {-70000, -70000, 70000, 70000};
    attach_clipper(&target, 1, &wide);
    EXPECT_TRUE(same_rect(fake.clipper.header.rcBound, -70000, -70000, 70000, 70000));
    directdraw = nullptr;
}

TEST(AttachClipper, GivesBackAClipperItCouldNotAttach) {
    display_context_reset();
    RecordingDirectDraw fake;
    RecordingSurface target;
    directdraw = &fake;
    const RECT screen = {0, 0, 640, 480};

    fake.clipper.set_clip_list_result = DDERR_GENERIC;
    EXPECT_EQ(attach_clipper(&target, 1, &screen), nullptr);
    EXPECT_EQ(fake.clipper.refs, 0);
    EXPECT_EQ(target.clipper, nullptr);

    fake.clipper = RecordingClipper();
    target.set_clipper_result = DDERR_GENERIC;
    EXPECT_EQ(attach_clipper(&target, 1, &screen), nullptr);
    EXPECT_EQ(fake.clipper.refs, 0);

    fake.create_clipper_result = DDERR_OUTOFMEMORY;
    EXPECT_EQ(attach_clipper(&target, 1, &screen), nullptr);

    // Refused before any clipper exists.
    fake.create_clipper_result = DD_OK;
    fake.clipper = RecordingClipper();
    EXPECT_EQ(attach_clipper(&target, -1, &screen), nullptr);
    EXPECT_EQ(attach_clipper(&target, 3, nullptr), nullptr);
    EXPECT_EQ(attach_clipper(&target, 1 << 30, &screen), nullptr);
    EXPECT_EQ(attach_clipper(nullptr, 1, &screen), nullptr);
    EXPECT_EQ(fake.clipper.set_clip_list_calls, 0);
    directdraw = nullptr;
    EXPECT_EQ(attach_clipper(&target, 1, &screen), nullptr);
}

TEST(AttachClipper, ClipListReadsBackOnTheEmulatedDisplay) {
    enter_fresh_folder();
    ASSERT_EQ(start_display(640, 480, 8, 0), 1);
    IDirectDrawSurface7* surface = create_offscreen_surface(200, 100, 0, 0);
    ASSERT_NE(surface, nullptr);

    const RECT two[] = {{10, 20, 30, 40}, {5, 25, 50, 35}};
    IDirectDrawClipper* clipper = attach_clipper(surface, 2, two);
    ASSERT_NE(clipper, nullptr);
    alignas(RGNDATA) unsigned char storage[32 + 4 * 16] = {};
    auto* region = reinterpret_cast<RGNDATA*>(storage);
    DWORD size = sizeof(storage);
    ASSERT_EQ(clipper->GetClipList(nullptr, region, &size), DD_OK);
    ASSERT_EQ(region->rdh.nCount, 2u);
    const RECT* listed = reinterpret_cast<const RECT*>(region->Buffer);
    EXPECT_TRUE(same_rect(listed[0], 10, 20, 30, 40));
    EXPECT_TRUE(same_rect(listed[1], 5, 25, 50, 35));
    clipper->Release();

    clipper = attach_clipper(surface, 0, nullptr);
    ASSERT_NE(clipper, nullptr);
    size = sizeof(storage);
    ASSERT_EQ(clipper->GetClipList(nullptr, region, &size), DD_OK);
    EXPECT_EQ(region->rdh.nCount, 0u);
    clipper->Release();

    const RECT far_out = {70000, -70000, 90000, 80000};
    clipper = attach_clipper(surface, 1, &far_out);
    ASSERT_NE(clipper, nullptr);
    size = sizeof(storage);
    ASSERT_EQ(clipper->GetClipList(nullptr, region, &size), DD_OK);
    ASSERT_EQ(region->rdh.nCount, 1u);
    EXPECT_TRUE(
        same_rect(*reinterpret_cast<const RECT*>(region->Buffer), 70000, -70000, 90000, 80000));
    clipper->Release();

    // A refused clip list or attachment leaves no clipper alive.
    int live = ddraw_live_objects();
    ddraw_fail_calls(DDFAIL_SET_CLIP_LIST, 1);
    EXPECT_EQ(attach_clipper(surface, 2, two), nullptr);
    ddraw_fail_calls(DDFAIL_SET_CLIPPER, 1);
    EXPECT_EQ(attach_clipper(surface, 2, two), nullptr);
    EXPECT_EQ(ddraw_live_objects(), live);

    surface->Release();
    display_shutdown();
    EXPECT_EQ(ddraw_live_objects(), 0);
}
