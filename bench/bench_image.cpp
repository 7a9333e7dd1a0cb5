// Bitmap reading, image drawing, keyed sprite drawing and colour scans, each beside the SDL2
// (or plain C++) code that does the same work.
#include "engine/display/display_context.h"
#include "engine/display/surfaces.h"
#include "engine/image/bitmap_file.h"
#include "engine/image/bitmap_image.h"
#include "engine/image/sprite_draw.h"
#include "engine/util/collision.h"
#include "platform/platform_reset.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

// A 640 x 480 8-bit file, as the game's backgrounds are, written once per run.
const std::string& background_file() {
    static const std::string path = [] {
        const std::string name = "/tmp/bench_image_" + std::to_string(getpid()) + ".bmp";
        std::vector<std::uint8_t> bytes(54 + 1024 + WIDTH * HEIGHT, 0);
        const auto put32 = [&](std::size_t at, std::uint32_t v) { std::memcpy(&bytes[at], &v, 4); };
        bytes[0] = 'B';
        bytes[1] = 'M';
        put32(2, static_cast<std::uint32_t>(bytes.size()));
        put32(10, 54 + 1024);
        put32(14, 40);
        put32(18, WIDTH);
        put32(22, HEIGHT);
        put32(26, 1 | 8 << 16); // planes, bit count
        put32(34, WIDTH * HEIGHT);
        for (int i = 0; i < 256; ++i)
            put32(54 + i * 4, static_cast<std::uint32_t>(i * 0x010203));
        for (int i = 0; i < WIDTH * HEIGHT; ++i)
            bytes[1078 + i] = static_cast<std::uint8_t>(i * 7);
        std::FILE* file = std::fopen(name.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
        std::atexit([] { std::remove(background_file().c_str()); });
        return name;
    }();
    return path;
}

void BM_read_bitmap_file(benchmark::State& state) {
    BitmapFile bitmap{};
    for (auto _ : state) {
        if (!read_bitmap_file(&bitmap, background_file().c_str())) state.SkipWithError("read");
        benchmark::DoNotOptimize(bitmap.pixels);
        release_bitmap_file(&bitmap);
    }
}
BENCHMARK(BM_read_bitmap_file);

void BM_SDL_LoadBMP(benchmark::State& state) {
    for (auto _ : state) {
        SDL_Surface* surface = SDL_LoadBMP(background_file().c_str());
        if (surface == nullptr) state.SkipWithError("SDL_LoadBMP");
        benchmark::DoNotOptimize(surface);
        SDL_FreeSurface(surface);
    }
}
BENCHMARK(BM_SDL_LoadBMP);

// Destination rows wider than the picture, as a surface's may be; the same for both.
constexpr int PITCH = 672;

void BM_image_draw(benchmark::State& state) {
    BitmapImage image{};
    image_create(&image, 0, 0, WIDTH, HEIGHT, 8);
    std::memset(image.pixels, 5, static_cast<std::size_t>(image.byte_count));
    image.attributes |= IMAGE_HAS_PIXELS;
    std::vector<std::uint8_t> dest(PITCH * HEIGHT);
    for (auto _ : state) {
        image_draw(&image, dest.data(), PITCH, 0);
        benchmark::ClobberMemory();
    }
    image_destroy(&image);
}
BENCHMARK(BM_image_draw);

void BM_memcpy_rows(benchmark::State& state) {
    std::vector<std::uint8_t> source(WIDTH * HEIGHT, 5);
    std::vector<std::uint8_t> dest(PITCH * HEIGHT);
    for (auto _ : state) {
        for (int y = 0; y < HEIGHT; ++y)
            std::memcpy(dest.data() + y * PITCH, source.data() + y * WIDTH, WIDTH);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_memcpy_rows);

// A 24 x 32 frame with its key (253) around a figure, as the character's frames are.
std::vector<std::uint8_t> character_frame() {
    std::vector<std::uint8_t> frame(24 * 32, 253);
    for (int y = 4; y < 30; ++y)
        for (int x = 5 + y % 3; x < 19; ++x)
            frame[y * 24 + x] = static_cast<std::uint8_t>(x + y);
    return frame;
}

void BM_sprite_draw(benchmark::State& state) {
    platform_reset();
    display_context_reset();
    DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&directdraw), IID_IDirectDraw7, nullptr);
    directdraw->SetCooperativeLevel(nullptr, DDSCL_NORMAL);
    IDirectDrawSurface7* dest = create_offscreen_surface(WIDTH, HEIGHT, 0, 0);
    const RECT screen = {0, 0, WIDTH, HEIGHT};
    IDirectDrawClipper* clipper = attach_clipper(dest, 1, &screen);
    Sprite sprite{};
    sprite_create(&sprite, 300, 400, 24, 32, 1, SPRITE_SHOWN, DDSCAPS_SYSTEMMEMORY, 253, 8);
    BitmapFile sheet{};
    std::vector<std::uint8_t> frame = character_frame();
    sheet.info_header.biWidth = 24;
    sheet.info_header.biHeight = 32;
    sheet.info_header.biBitCount = 8;
    sheet.pixels = frame.data();
    sprite_cut_frame(&sprite, &sheet, 0, 0, 0, 1);
    for (auto _ : state) {
        if (!sprite_draw(&sprite, dest)) state.SkipWithError("sprite_draw");
    }
    sprite_destroy(&sprite);
    clipper->Release();
    dest->Release();
    directdraw->Release();
    directdraw = nullptr;
}
BENCHMARK(BM_sprite_draw);

void BM_SDL_BlitSurface_keyed(benchmark::State& state) {
    SDL_Surface* dest = SDL_CreateRGBSurfaceWithFormat(0, WIDTH, HEIGHT, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, 24, 32, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_SetSurfacePalette(frame, dest->format->palette);
    const std::vector<std::uint8_t> pixels = character_frame();
    for (int y = 0; y < 32; ++y)
        std::memcpy(static_cast<std::uint8_t*>(frame->pixels) + y * frame->pitch, &pixels[y * 24],
                    24);
    SDL_SetColorKey(frame, SDL_TRUE, 253);
    SDL_Rect place = {300, 400, 24, 32};
    for (auto _ : state) {
        SDL_Rect where = place;
        if (SDL_BlitSurface(frame, nullptr, dest, &where) != 0) state.SkipWithError("blit");
    }
    SDL_FreeSurface(frame);
    SDL_FreeSurface(dest);
}
BENCHMARK(BM_SDL_BlitSurface_keyed);

// The ground test's box under the character: 25 x 33 pixels with no ground colour in it, so
// every pixel is looked at.
struct ScanScreen {
    std::vector<std::uint8_t> pixels = std::vector<std::uint8_t>(PITCH * HEIGHT, 12);
};

void BM_color_scan(benchmark::State& state) {
    display_context_reset();
    ScanScreen screen;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            color_scan(300, 400, 324, 432, 170, 170, screen.pixels.data(), PITCH));
    }
}
BENCHMARK(BM_color_scan);

void BM_color_scan_range(benchmark::State& state) {
    display_context_reset();
    ScanScreen screen;
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            color_scan(300, 400, 324, 432, 160, 180, screen.pixels.data(), PITCH));
    }
}
BENCHMARK(BM_color_scan_range);

std::int32_t plain_scan(const std::uint8_t* buffer, int pitch, int x1, int y1, int x2, int y2,
                        std::uint8_t low, std::uint8_t high) {
    for (int y = y1; y <= y2; ++y) {
        const std::uint8_t* row = buffer + y * pitch;
        for (int x = x1; x <= x2; ++x) {
            if (row[x] >= low && row[x] <= high) return 1;
        }
    }
    return 0;
}

void BM_plain_loop_scan(benchmark::State& state) {
    ScanScreen screen;
    const std::uint8_t* buffer = screen.pixels.data();
    for (auto _ : state) {
        benchmark::DoNotOptimize(buffer);
        benchmark::DoNotOptimize(plain_scan(buffer, PITCH, 300, 400, 324, 432, 170, 170));
    }
}
BENCHMARK(BM_plain_loop_scan);

void BM_memchr_scan(benchmark::State& state) {
    ScanScreen screen;
    const std::uint8_t* buffer = screen.pixels.data();
    for (auto _ : state) {
        benchmark::DoNotOptimize(buffer);
        std::int32_t found = 0;
        for (int y = 400; y <= 432 && !found; ++y)
            found = std::memchr(buffer + y * PITCH + 300, 170, 25) != nullptr;
        benchmark::DoNotOptimize(found);
    }
}
BENCHMARK(BM_memchr_scan);

} // namespace

BENCHMARK_MAIN();
