// Surface cells: a surface receives the cell of its own size, row by row up to its width,
// and every cell, file or surface that cannot give a whole cell is refused untouched.
#include "transition_fixture.h"

#include "platform/ddraw/ddraw_emulation.h"

#include <climits>
#include <cstring>
#include <functional>
#include <vector>

namespace {

constexpr int PICTURE_WIDTH = 200, PICTURE_HEIGHT = 100;

std::uint8_t picture_pixel(int x, int y) {
    return static_cast<std::uint8_t>(x * 7 + y * 31 + (x * y) / 5);
}

struct SurfaceCellTest : TransitionTest {
    std::vector<std::uint8_t> pixels;
    BitmapFile bitmap{};
    IDirectDrawSurface7* surface = nullptr;

    void SetUp() override {
        TransitionTest::SetUp();
        for (int y = 0; y < PICTURE_HEIGHT; ++y)
            for (int x = 0; x < PICTURE_WIDTH; ++x)
                pixels.push_back(picture_pixel(x, y));
        bitmap.info_header.biWidth = PICTURE_WIDTH;
        bitmap.info_header.biHeight = PICTURE_HEIGHT;
        bitmap.info_header.biBitCount = 8;
        bitmap.pixels = pixels.data();
        surface = create_offscreen_surface(32, 32, DDSCAPS_SYSTEMMEMORY, 0);
        ASSERT_NE(nullptr, surface);
    }

    void TearDown() override {
        if (surface != nullptr) surface->Release();
        TransitionTest::TearDown();
    }
};

// The surface's whole memory, padding included, through a lock.
std::vector<std::uint8_t> memory_of(IDirectDrawSurface7* surface) {
    DDSURFACEDESC2 ddsd{};
    ddsd.dwSize = sizeof ddsd;
    if (FAILED(surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr))) return {};
    const auto* first = static_cast<const std::uint8_t*>(ddsd.lpSurface);
    std::vector<std::uint8_t> memory(first, first + ddsd.lPitch * ddsd.dwHeight);
    surface->Unlock(nullptr);
    return memory;
}

void fill_memory(IDirectDrawSurface7* surface, std::uint8_t value) {
    DDSURFACEDESC2 ddsd{};
    ddsd.dwSize = sizeof ddsd;
    ASSERT_EQ(DD_OK, surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr));
    std::memset(ddsd.lpSurface, value, ddsd.lPitch * ddsd.dwHeight);
    surface->Unlock(nullptr);
}

} // namespace

TEST_F(SurfaceCellTest, CellsStartOnTheGridAndLeaveThePitchPaddingAlone) {
    DDSURFACEDESC2 ddsd{};
    ddsd.dwSize = sizeof ddsd;
    ASSERT_EQ(DD_OK, surface->GetSurfaceDesc(&ddsd));
    const int pitch = ddsd.lPitch;
    ASSERT_GT(pitch, 32) << "the emulation pads its rows";

    const struct {
        int cx, cy, x0, y0, height;
    } cells[] = {{0, 0, 1, 1, 100},
                 {2, 1, 67, 34, 100},
                 {5, 2, 166, 67, 100},
                 {2, 1, 67, 34, -100}}; // a top-down file's record is upright just the same
    for (const auto& cell : cells) {
        bitmap.info_header.biHeight = cell.height;
        fill_memory(surface, 0xEE);
        ASSERT_EQ(1, surface_cut_cell(&bitmap, surface, cell.cx, cell.cy));
        const std::vector<std::uint8_t> memory = memory_of(surface);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < pitch; ++x) {
                const std::uint8_t expected =
                    x < 32 ? picture_pixel(cell.x0 + x, cell.y0 + y) : 0xEE;
                ASSERT_EQ(expected, memory[y * pitch + x])
                    << "cell " << cell.cx << ", " << cell.cy << " at " << x << ", " << y;
            }
    }
}

TEST_F(SurfaceCellTest, RefusesWhatCannotGiveAWholeCellAndWritesNothing) {
    const struct {
        const char* what;
        int cx, cy;
        std::function<void(BitmapFile&)> spoil;
    } refusals[] = {
        {"a cell one column past the right", 6, 0, [](BitmapFile&) {}},
        {"a cell one row past the bottom", 0, 3, [](BitmapFile&) {}},
        {"a negative column", -1, 0, [](BitmapFile&) {}},
        {"a negative row", 0, -1, [](BitmapFile&) {}},
        {"a cell far beyond 32 bits", INT_MAX, INT_MAX, [](BitmapFile&) {}},
        {"a cell far before", INT_MIN, INT_MIN, [](BitmapFile&) {}},
        {"a picture one pixel too narrow", 5, 0,
         [](BitmapFile& b) { b.info_header.biWidth = 197; }},
        {"a 16-bit file", 0, 0, [](BitmapFile& b) { b.info_header.biBitCount = 16; }},
        {"a 24-bit file", 0, 0, [](BitmapFile& b) { b.info_header.biBitCount = 24; }},
        {"no pixels", 0, 0, [](BitmapFile& b) { b.pixels = nullptr; }},
        {"no width", 0, 0, [](BitmapFile& b) { b.info_header.biWidth = 0; }},
        {"a negative width", 0, 0, [](BitmapFile& b) { b.info_header.biWidth = -200; }},
        {"no height", 0, 0, [](BitmapFile& b) { b.info_header.biHeight = 0; }},
    };
    fill_memory(surface, 0xEE);
    const std::vector<std::uint8_t> before = memory_of(surface);
    for (const auto& refusal : refusals) {
        BitmapFile spoiled = bitmap;
        refusal.spoil(spoiled);
        EXPECT_EQ(0, surface_cut_cell(&spoiled, surface, refusal.cx, refusal.cy)) << refusal.what;
        EXPECT_EQ(before, memory_of(surface)) << refusal.what;
    }
    EXPECT_EQ(0, surface_cut_cell(nullptr, surface, 0, 0));
    EXPECT_EQ(0, surface_cut_cell(&bitmap, nullptr, 0, 0));
    EXPECT_EQ(before, memory_of(surface));
}

TEST_F(SurfaceCellTest, ALockThatFailsWritesNothing) {
    fill_memory(surface, 0xEE);
    const std::vector<std::uint8_t> before = memory_of(surface);
    ddraw_fail_calls(DDFAIL_LOCK, 1);
    EXPECT_EQ(0, surface_cut_cell(&bitmap, surface, 0, 0));
    EXPECT_EQ(before, memory_of(surface));

    // Somebody else holds the lock: the surface is busy and its memory stays as it was.
    DDSURFACEDESC2 ddsd{};
    ddsd.dwSize = sizeof ddsd;
    ASSERT_EQ(DD_OK, surface->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr));
    EXPECT_EQ(0, surface_cut_cell(&bitmap, surface, 0, 0));
    const auto* held = static_cast<const std::uint8_t*>(ddsd.lpSurface);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), held));
    surface->Unlock(nullptr);
    EXPECT_EQ(1, surface_cut_cell(&bitmap, surface, 0, 0)) << "the surface is usable again";
}

TEST_F(SurfaceCellTest, RefusesASurfaceThatIsNotEightBit) {
    ASSERT_EQ(DD_OK, directdraw->SetDisplayMode(640, 480, 16, 0, 0));
    IDirectDrawSurface7* wide = create_offscreen_surface(32, 32, DDSCAPS_SYSTEMMEMORY, 0);
    ASSERT_NE(nullptr, wide);
    fill_memory(wide, 0xEE);
    const std::vector<std::uint8_t> before = memory_of(wide);
    EXPECT_EQ(0, surface_cut_cell(&bitmap, wide, 0, 0));
    EXPECT_EQ(before, memory_of(wide));
    wide->Release();
}
