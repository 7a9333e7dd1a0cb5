// GDI text on a surface's device context: colour matching, background modes, clipping and a
// missing font.
#include "ddraw_fixture.h"

#include "platform/ddraw/ddraw_emulation.h"
#include "platform/gdi.h"
#include "platform/gdi/gdi_font.h"

#include <algorithm>

namespace {

PALETTEENTRY grey_palette[256];

int count_of(const std::vector<std::uint8_t>& pixels, std::uint8_t value) {
    return static_cast<int>(std::count(pixels.begin(), pixels.end(), value));
}

} // namespace

struct TextTest : DdrawTest {
    IDirectDrawSurface7* surface = nullptr;
    IDirectDrawPalette* palette = nullptr;

    void SetUp() override {
        DdrawTest::SetUp();
        gdi_set_font_path(nullptr);
        for (int i = 0; i < 256; ++i)
            grey_palette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(i), static_cast<BYTE>(i), 0};
        grey_palette[77] = {250, 10, 10, 0}; // the only red
        ASSERT_EQ(DD_OK, dd->CreatePalette(DDPCAPS_8BIT, grey_palette, &palette, nullptr));
        surface = offscreen(120, 30);
        ASSERT_EQ(DD_OK, surface->SetPalette(palette));
        ASSERT_EQ(DD_OK, fill(surface, 5));
    }

    void TearDown() override {
        palette->Release();
        surface->Release();
        gdi_set_font_path(nullptr);
        DdrawTest::TearDown();
    }
};

TEST_F(TextTest, TransparentTextInTheNearestPaletteColour) {
    HDC dc = nullptr;
    ASSERT_EQ(DD_OK, surface->GetDC(&dc));
    EXPECT_EQ(RGB(0, 0, 0), SetTextColor(dc, RGB(255, 0, 0)));
    EXPECT_EQ(RGB(255, 0, 0), SetTextColor(dc, RGB(255, 0, 0)));
    EXPECT_EQ(OPAQUE, SetBkMode(dc, TRANSPARENT));
    EXPECT_EQ(TRANSPARENT, SetBkMode(dc, TRANSPARENT));
    EXPECT_TRUE(TextOutA(dc, 2, 2, "Hello", 5));
    ASSERT_EQ(DD_OK, surface->ReleaseDC(dc));
    std::vector<std::uint8_t> out = read_surface_pixels(surface);
    int red = count_of(out, 77);
    EXPECT_GT(red, 20);
    // Hard edges on an indexed surface: only the text colour and the untouched background.
    EXPECT_EQ(static_cast<int>(out.size()), red + count_of(out, 5));
    // The text starts at its cell's top-left corner: nothing above or left of it.
    for (int x = 0; x < 120; ++x)
        EXPECT_EQ(5, out[x]) << x;
    for (int y = 0; y < 30; ++y)
        EXPECT_EQ(5, out[y * 120 + 1]) << y;
}

TEST_F(TextTest, OpaqueModeFillsTheCellWithWhite) {
    HDC dc = nullptr;
    ASSERT_EQ(DD_OK, surface->GetDC(&dc));
    SetTextColor(dc, RGB(0, 0, 0));
    EXPECT_TRUE(TextOutA(dc, 0, 0, "Hi", 2));
    surface->ReleaseDC(dc);
    std::vector<std::uint8_t> out = read_surface_pixels(surface);
    EXPECT_EQ(255, out[0]); // the cell's top-left corner is background
    EXPECT_GT(count_of(out, 0), 10);
    EXPECT_GT(count_of(out, 255), 20);
    EXPECT_EQ(5, out[119]); // beyond the text the surface is untouched
    EXPECT_EQ(5, out[29 * 120]);
}

TEST_F(TextTest, TextIsClippedToTheSurface) {
    HDC dc = nullptr;
    ASSERT_EQ(DD_OK, surface->GetDC(&dc));
    SetTextColor(dc, RGB(255, 255, 255));
    EXPECT_TRUE(TextOutA(dc, -7, -6, "Edge of the world, edge of the world", 35));
    EXPECT_TRUE(TextOutA(dc, 100, 20, "WWWW", 4));
    EXPECT_TRUE(TextOutA(dc, 2147483000, -2147483000, "far", 3));
    EXPECT_TRUE(TextOutA(dc, 0, 0, "", 0));
    EXPECT_FALSE(TextOutA(dc, 0, 0, nullptr, 3));
    EXPECT_FALSE(TextOutA(dc, 0, 0, "abc", -1));
    surface->ReleaseDC(dc);
    EXPECT_GT(count_of(read_surface_pixels(surface), 255), 10);
}

TEST_F(TextTest, SixteenBitTextIsPackedInTheSurfaceLayout) {
    IDirectDrawSurface7* wide = offscreen(60, 20, 16);
    ASSERT_EQ(DD_OK, fill(wide, 0));
    HDC dc = nullptr;
    ASSERT_EQ(DD_OK, wide->GetDC(&dc));
    SetTextColor(dc, RGB(0, 255, 0));
    SetBkMode(dc, TRANSPARENT);
    EXPECT_TRUE(TextOutA(dc, 1, 1, "Il", 2));
    wide->ReleaseDC(dc);
    std::vector<std::uint8_t> out = read_surface_pixels(wide);
    int green = 0;
    for (size_t i = 0; i < out.size(); i += 2) {
        int pixel = out[i] | out[i + 1] << 8;
        EXPECT_TRUE(pixel == 0 || pixel == 0x07E0) << pixel;
        green += pixel == 0x07E0;
    }
    EXPECT_GT(green, 10);
    wide->Release();
}

TEST_F(TextTest, ForeignHandlesAndAMissingFont) {
    HDC foreign = reinterpret_cast<HDC>(&grey_palette[3]);
    EXPECT_EQ(CLR_INVALID, SetTextColor(foreign, 0));
    EXPECT_EQ(0, SetBkMode(foreign, OPAQUE));
    EXPECT_FALSE(TextOutA(foreign, 0, 0, "x", 1));
    EXPECT_FALSE(TextOutA(nullptr, 0, 0, "x", 1));
    HDC dc = nullptr;
    ASSERT_EQ(DD_OK, surface->GetDC(&dc));
    EXPECT_EQ(0, SetBkMode(dc, 7));
    EXPECT_EQ(DDERR_INVALIDPARAMS, surface->ReleaseDC(foreign));
    gdi_set_font_path("/nonexistent/font.ttf");
    EXPECT_FALSE(TextOutA(dc, 0, 0, "Hello", 5));
    surface->ReleaseDC(dc);
    EXPECT_EQ(std::vector<std::uint8_t>(120 * 30, 5), read_surface_pixels(surface));
    // The context is gone once handed back.
    EXPECT_FALSE(TextOutA(dc, 0, 0, "x", 1));
    ddraw_fail_calls(DDFAIL_GET_DC, 1);
    EXPECT_TRUE(FAILED(surface->GetDC(&dc)));
    EXPECT_EQ(nullptr, dc);
}

TEST_F(DdrawTest, TextOnABackBufferUsesTheScreenPalette) {
    take_display(160, 40, 8);
    IDirectDrawSurface7 *primary = nullptr, *back = nullptr;
    flip_chain(&primary, &back);
    PALETTEENTRY entries[256] = {};
    entries[200] = {0, 0, 255, 0};
    IDirectDrawPalette* palette = nullptr;
    ASSERT_EQ(DD_OK, dd->CreatePalette(DDPCAPS_8BIT, entries, &palette, nullptr));
    ASSERT_EQ(DD_OK, primary->SetPalette(palette));
    HDC dc = nullptr;
    ASSERT_EQ(DD_OK, back->GetDC(&dc));
    SetTextColor(dc, RGB(0, 0, 230));
    SetBkMode(dc, TRANSPARENT);
    EXPECT_TRUE(TextOutA(dc, 0, 0, "blue", 4));
    back->ReleaseDC(dc);
    EXPECT_GT(count_of(read_surface_pixels(back), 200), 10);
    palette->Release();
    back->Release();
    primary->Release();
}
