// Blt: colour fills, keyed and stretched copies, clipping to clip lists, and the rectangles
// and surface states that real DirectDraw refuses.
#include "ddraw_fixture.h"

#include "platform/ddraw/ddraw_emulation.h"

#include <cstring>

namespace {

// A picture whose every pixel tells where it came from.
std::vector<std::uint8_t> pattern(int width, int height) {
    std::vector<std::uint8_t> rows(static_cast<size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            rows[y * width + x] = static_cast<std::uint8_t>(x + 16 * y);
    return rows;
}

IDirectDrawClipper* clip_to(IDirectDraw7* dd, IDirectDrawSurface7* surface,
                            std::vector<RECT> rects) {
    IDirectDrawClipper* clipper = nullptr;
    EXPECT_EQ(DD_OK, dd->CreateClipper(0, &clipper, nullptr));
    std::vector<std::uint8_t> region(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
    RGNDATA* data = reinterpret_cast<RGNDATA*>(region.data());
    data->rdh.dwSize = sizeof(RGNDATAHEADER);
    data->rdh.iType = RDH_RECTANGLES;
    data->rdh.nCount = static_cast<DWORD>(rects.size());
    data->rdh.nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
    if (!rects.empty()) std::memcpy(data->Buffer, rects.data(), rects.size() * sizeof(RECT));
    EXPECT_EQ(DD_OK, clipper->SetClipList(data, 0));
    EXPECT_EQ(DD_OK, surface->SetClipper(clipper));
    clipper->Release(); // the surface keeps it
    return clipper;
}

bool inside(int x, int y, const RECT& r) {
    return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

} // namespace

TEST_F(DdrawTest, ColourFillKeepsToItsRectangleAndTheRowPadding) {
    IDirectDrawSurface7* surface = offscreen(10, 6);
    ASSERT_EQ(DD_OK, fill(surface, 5));
    RECT rect = {2, 1, 5, 3};
    ASSERT_EQ(DD_OK, fill(surface, 0x1FF, &rect)); // an 8-bit surface keeps the low byte
    DDSURFACEDESC2 desc = {};
    ASSERT_EQ(DD_OK, surface->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    const auto* base = static_cast<const std::uint8_t*>(desc.lpSurface);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(inside(x, y, rect) ? 0xFF : 5, base[y * desc.lPitch + x]) << x << "," << y;
        for (int x = 10; x < desc.lPitch; ++x)
            EXPECT_EQ(0, base[y * desc.lPitch + x]);
    }
    surface->Unlock(nullptr);
    EXPECT_EQ(DDERR_INVALIDPARAMS,
              surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, nullptr));
    surface->Release();
}

TEST_F(DdrawTest, ColourFillAtSixteenBitsUsesTheLowWord) {
    IDirectDrawSurface7* surface = offscreen(7, 3, 16);
    ASSERT_EQ(DD_OK, fill(surface, 0x12345));
    std::vector<std::uint8_t> bytes = read_surface_pixels(surface);
    ASSERT_EQ(7u * 3 * 2, bytes.size());
    for (size_t i = 0; i < bytes.size(); i += 2) {
        EXPECT_EQ(0x45, bytes[i]);
        EXPECT_EQ(0x23, bytes[i + 1]);
    }
    surface->Release();
}

TEST_F(DdrawTest, KeyedCopySkipsTheKeyInEveryPosition) {
    // 21 columns: whole eight-pixel words, words mixing key and picture, and a tail.
    const int w = 21, h = 5;
    IDirectDrawSurface7* source = offscreen(w, h);
    IDirectDrawSurface7* dest = offscreen(w, h);
    std::vector<std::uint8_t> picture(w * h);
    for (int i = 0; i < w * h; ++i)
        picture[i] = (i % 3 == 0 || (i / 8) % 4 == 1) ? 253 : i % 250;
    write_surface_pixels(source, picture);
    DDCOLORKEY key = {253, 253};
    ASSERT_EQ(DD_OK, source->SetColorKey(DDCKEY_SRCBLT, &key));
    ASSERT_EQ(DD_OK, fill(dest, 9));
    ASSERT_EQ(DD_OK, dest->Blt(nullptr, source, nullptr, DDBLT_KEYSRC | DDBLT_WAIT, nullptr));
    std::vector<std::uint8_t> out = read_surface_pixels(dest);
    for (int i = 0; i < w * h; ++i)
        EXPECT_EQ(picture[i] == 253 ? 9 : picture[i], out[i]) << i;
    // Without DDBLT_KEYSRC the key is copied like any colour.
    ASSERT_EQ(DD_OK, dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr));
    EXPECT_EQ(picture, read_surface_pixels(dest));
    source->Release();
    dest->Release();
}

TEST_F(DdrawTest, KeyRangeAndSixteenBitKeys) {
    IDirectDrawSurface7* source = offscreen(10, 1);
    IDirectDrawSurface7* dest = offscreen(10, 1);
    write_surface_pixels(source, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    DDCOLORKEY range = {3, 5};
    ASSERT_EQ(DD_OK, source->SetColorKey(DDCKEY_SRCBLT | DDCKEY_COLORSPACE, &range));
    ASSERT_EQ(DD_OK, fill(dest, 99));
    ASSERT_EQ(DD_OK, dest->Blt(nullptr, source, nullptr, DDBLT_KEYSRC, nullptr));
    EXPECT_EQ((std::vector<std::uint8_t>{0, 1, 2, 99, 99, 99, 6, 7, 8, 9}),
              read_surface_pixels(dest));
    source->Release();
    dest->Release();

    IDirectDrawSurface7* wide_source = offscreen(3, 1, 16);
    IDirectDrawSurface7* wide_dest = offscreen(3, 1, 16);
    ASSERT_EQ(DD_OK, fill(wide_source, 0x2345));
    RECT first = {0, 0, 1, 1};
    ASSERT_EQ(DD_OK, fill(wide_source, 0x1111, &first));
    DDCOLORKEY key = {0x12345, 0x12345}; // a 16-bit surface keeps the low word
    ASSERT_EQ(DD_OK, wide_source->SetColorKey(DDCKEY_SRCBLT, &key));
    DDCOLORKEY read = {};
    ASSERT_EQ(DD_OK, wide_source->GetColorKey(DDCKEY_SRCBLT, &read));
    EXPECT_EQ(0x2345u, read.dwColorSpaceLowValue);
    ASSERT_EQ(DD_OK, fill(wide_dest, 0x7777));
    ASSERT_EQ(DD_OK, wide_dest->Blt(nullptr, wide_source, nullptr, DDBLT_KEYSRC, nullptr));
    EXPECT_EQ((std::vector<std::uint8_t>{0x11, 0x11, 0x77, 0x77, 0x77, 0x77}),
              read_surface_pixels(wide_dest));
    wide_source->Release();
    wide_dest->Release();
}

TEST_F(DdrawTest, StretchedCopiesRepeatOrDropPixels) {
    IDirectDrawSurface7* small = offscreen(4, 2);
    IDirectDrawSurface7* big = offscreen(8, 4);
    write_surface_pixels(small, pattern(4, 2));
    ASSERT_EQ(DD_OK, big->Blt(nullptr, small, nullptr, DDBLT_WAIT, nullptr));
    std::vector<std::uint8_t> out = read_surface_pixels(big);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            EXPECT_EQ(x / 2 + 16 * (y / 2), out[y * 8 + x]);

    // Shrinking a 8 x 4 picture by half keeps every other pixel.
    write_surface_pixels(big, pattern(8, 4));
    ASSERT_EQ(DD_OK, small->Blt(nullptr, big, nullptr, DDBLT_WAIT, nullptr));
    out = read_surface_pixels(small);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(2 * x + 16 * 2 * y, out[y * 4 + x]);

    // Stretched and keyed at once, to a rectangle inside the destination.
    DDCOLORKEY key = {1, 1};
    ASSERT_EQ(DD_OK, small->SetColorKey(DDCKEY_SRCBLT, &key));
    write_surface_pixels(small, {1, 2, 1, 3, 4, 1, 5, 1});
    ASSERT_EQ(DD_OK, fill(big, 0));
    RECT target = {0, 0, 8, 2};
    ASSERT_EQ(DD_OK, big->Blt(&target, small, nullptr, DDBLT_KEYSRC, nullptr));
    out = read_surface_pixels(big);
    std::vector<std::uint8_t> expected = {0, 0, 2, 2, 0, 0, 3, 3, 4, 4, 0, 0, 5, 5, 0, 0};
    expected.resize(32, 0);
    EXPECT_EQ(expected, out);
    small->Release();
    big->Release();
}

TEST_F(DdrawTest, KeyedStretchOfOddSizesMatchesNearestNeighbour) {
    const int sw = 13, sh = 3, dw = 29, dh = 7;
    IDirectDrawSurface7* source = offscreen(sw, sh);
    IDirectDrawSurface7* dest = offscreen(dw, dh);
    std::vector<std::uint8_t> picture = pattern(sw, sh);
    for (size_t i = 0; i < picture.size(); i += 3)
        picture[i] = 250;
    write_surface_pixels(source, picture);
    DDCOLORKEY key = {250, 250};
    ASSERT_EQ(DD_OK, source->SetColorKey(DDCKEY_SRCBLT, &key));
    ASSERT_EQ(DD_OK, fill(dest, 111));
    ASSERT_EQ(DD_OK, dest->Blt(nullptr, source, nullptr, DDBLT_KEYSRC, nullptr));
    std::vector<std::uint8_t> out = read_surface_pixels(dest);
    for (int y = 0; y < dh; ++y)
        for (int x = 0; x < dw; ++x) {
            std::uint8_t sampled = picture[(y * sh / dh) * sw + x * sw / dw];
            EXPECT_EQ(sampled == 250 ? 111 : sampled, out[y * dw + x]) << x << "," << y;
        }
    source->Release();
    dest->Release();
}

TEST_F(DdrawTest, ClippingToSeveralRectanglesMapsBackToTheSource) {
    IDirectDrawSurface7* source = offscreen(12, 6);
    IDirectDrawSurface7* dest = offscreen(20, 10);
    write_surface_pixels(source, pattern(12, 6));
    ASSERT_EQ(DD_OK, fill(dest, 200));
    // One clip rectangle reaches past the surface's edge; it is cut to the surface.
    std::vector<RECT> clips = {{0, 0, 5, 10}, {9, 3, 30, 5}};
    clip_to(dd, dest, clips);
    RECT target = {3, 2, 15, 8}; // 12 x 6, no stretch
    ASSERT_EQ(DD_OK, dest->Blt(&target, source, nullptr, DDBLT_WAIT, nullptr));
    std::vector<std::uint8_t> out = read_surface_pixels(dest);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            bool drawn = inside(x, y, target) && (inside(x, y, clips[0]) || inside(x, y, clips[1]));
            int expected = drawn ? (x - 3) + 16 * (y - 2) : 200;
            EXPECT_EQ(expected, out[y * 20 + x]) << x << "," << y;
        }
    // A destination reaching off the surface is fine with a clipper: only the clip counts.
    RECT off = {-4, -4, 8, 2};
    EXPECT_EQ(DD_OK, dest->Blt(&off, source, nullptr, DDBLT_WAIT, nullptr));
    EXPECT_EQ(DD_OK, fill(dest, 1, &off));
    source->Release();
    dest->Release();
}

TEST_F(DdrawTest, StretchedBlitClipsWithoutShiftingThePicture) {
    IDirectDrawSurface7* source = offscreen(4, 4);
    IDirectDrawSurface7* dest = offscreen(8, 8);
    write_surface_pixels(source, pattern(4, 4));
    ASSERT_EQ(DD_OK, fill(dest, 200));
    RECT clip = {3, 3, 8, 5};
    clip_to(dd, dest, {clip});
    ASSERT_EQ(DD_OK, dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr));
    std::vector<std::uint8_t> out = read_surface_pixels(dest);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            int expected = inside(x, y, clip) ? x / 2 + 16 * (y / 2) : 200;
            EXPECT_EQ(expected, out[y * 8 + x]) << x << "," << y;
        }
    // A destination spanning the whole coordinate range: a stretch of absurd factor, clipped.
    RECT huge = {-2147483647, -2147483647, 2147483647, 2147483647};
    ASSERT_EQ(DD_OK, dest->Blt(&huge, source, nullptr, DDBLT_WAIT, nullptr));
    std::vector<std::uint8_t> middle = read_surface_pixels(dest);
    EXPECT_EQ(2 + 16 * 2, middle[3 * 8 + 3]); // near the centre of the source
    source->Release();
    dest->Release();
}

TEST_F(DdrawTest, AnEmptyClipListClipsEverythingAway) {
    IDirectDrawSurface7* source = offscreen(4, 4);
    IDirectDrawSurface7* dest = offscreen(4, 4);
    ASSERT_EQ(DD_OK, fill(source, 7));
    ASSERT_EQ(DD_OK, fill(dest, 3));
    clip_to(dd, dest, {});
    EXPECT_EQ(DD_OK, dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr));
    EXPECT_EQ(DD_OK, fill(dest, 9));
    EXPECT_EQ(std::vector<std::uint8_t>(16, 3), read_surface_pixels(dest));
    source->Release();
    dest->Release();
}

TEST_F(DdrawTest, RectanglesThatRealDirectDrawRefuses) {
    IDirectDrawSurface7* source = offscreen(8, 8);
    IDirectDrawSurface7* dest = offscreen(16, 16);
    ASSERT_EQ(DD_OK, fill(dest, 4));
    RECT leaving = {10, 10, 17, 12};
    EXPECT_EQ(DDERR_INVALIDRECT, dest->Blt(&leaving, source, nullptr, DDBLT_WAIT, nullptr));
    EXPECT_EQ(DDERR_INVALIDRECT, fill(dest, 1, &leaving));
    RECT negative = {-1, 0, 4, 4};
    EXPECT_EQ(DDERR_INVALIDRECT, dest->Blt(&negative, source, nullptr, DDBLT_WAIT, nullptr));
    RECT inverted = {5, 5, 2, 8};
    EXPECT_EQ(DDERR_INVALIDRECT, dest->Blt(&inverted, source, nullptr, DDBLT_WAIT, nullptr));
    RECT empty = {5, 5, 5, 8};
    EXPECT_EQ(DDERR_INVALIDRECT, fill(dest, 1, &empty));
    RECT outside_source = {0, 0, 9, 8};
    EXPECT_EQ(DDERR_INVALIDRECT, dest->Blt(nullptr, source, &outside_source, DDBLT_WAIT, nullptr));
    RECT inverted_source = {4, 0, 2, 8};
    EXPECT_EQ(DDERR_INVALIDRECT, dest->Blt(nullptr, source, &inverted_source, DDBLT_WAIT, nullptr));
    EXPECT_EQ(DDERR_INVALIDPARAMS, dest->Blt(nullptr, nullptr, nullptr, DDBLT_WAIT, nullptr));
    // Nothing of the refused blits reached the picture.
    EXPECT_EQ(std::vector<std::uint8_t>(256, 4), read_surface_pixels(dest));
    IDirectDrawSurface7* wide = offscreen(8, 8, 16);
    EXPECT_EQ(DDERR_INVALIDPIXELFORMAT, dest->Blt(nullptr, wide, nullptr, DDBLT_WAIT, nullptr));
    wide->Release();
    source->Release();
    dest->Release();
}

TEST_F(DdrawTest, LockedSurfacesAndLentContextsRefuseBlits) {
    IDirectDrawSurface7* source = offscreen(8, 8);
    IDirectDrawSurface7* dest = offscreen(8, 8);
    DDSURFACEDESC2 desc = {};
    ASSERT_EQ(DD_OK, dest->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(DDERR_SURFACEBUSY, dest->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(DDERR_SURFACEBUSY, fill(dest, 1));
    EXPECT_EQ(DDERR_SURFACEBUSY, dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr));
    EXPECT_EQ(DD_OK, dest->Unlock(nullptr));
    EXPECT_EQ(DDERR_NOTLOCKED, dest->Unlock(nullptr));
    ASSERT_EQ(DD_OK, source->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(DDERR_SURFACEBUSY, dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr));
    source->Unlock(nullptr);
    HDC dc = nullptr;
    ASSERT_EQ(DD_OK, dest->GetDC(&dc));
    EXPECT_EQ(DDERR_SURFACEBUSY, fill(dest, 1));
    EXPECT_EQ(DDERR_SURFACEBUSY, dest->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    HDC second = nullptr;
    EXPECT_EQ(DDERR_DCALREADYCREATED, dest->GetDC(&second));
    EXPECT_EQ(DD_OK, dest->ReleaseDC(dc));
    EXPECT_EQ(DD_OK, fill(dest, 1));
    ASSERT_EQ(DD_OK, dest->Lock(nullptr, &desc, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(DDERR_SURFACEBUSY, dest->GetDC(&second));
    dest->Unlock(nullptr);
    ddraw_fail_calls(DDFAIL_BLT, 1);
    EXPECT_TRUE(FAILED(fill(dest, 2)));
    EXPECT_EQ(DD_OK, fill(dest, 2));
    source->Release();
    dest->Release();
}

TEST_F(DdrawTest, OverlappingBlitWithinOneSurface) {
    IDirectDrawSurface7* surface = offscreen(8, 2);
    write_surface_pixels(surface, pattern(8, 2));
    RECT from = {0, 0, 6, 2};
    RECT to = {2, 0, 8, 2};
    ASSERT_EQ(DD_OK, surface->Blt(&to, surface, &from, DDBLT_WAIT, nullptr));
    EXPECT_EQ((std::vector<std::uint8_t>{0, 1, 0, 1, 2, 3, 4, 5, 16, 17, 16, 17, 18, 19, 20, 21}),
              read_surface_pixels(surface));
    surface->Release();
}
