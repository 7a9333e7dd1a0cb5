// PNG reading beside SDL2_image's IMG_Load, and the 8-bit mapping of a 640 x 480 true-colour
// picture (its colours to the nearest palette entries) beside SDL2's blit to an 8-bit surface.
#include "engine/display/display_context.h"
#include "engine/image/bitmap_file.h"
#include "engine/image/bitmap_image.h"

#include <SDL.h>
#include <SDL_image.h>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

// A picture of smooth gradients with some noise: many colours, as a painted backdrop has.
SDL_Surface* make_picture() {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, WIDTH, HEIGHT, 32, SDL_PIXELFORMAT_RGBA32);
    std::srand(36);
    for (int y = 0; y < HEIGHT; ++y) {
        auto* row = static_cast<std::uint8_t*>(s->pixels) + y * s->pitch;
        for (int x = 0; x < WIDTH; ++x) {
            row[4 * x] = static_cast<std::uint8_t>(x * 255 / WIDTH + std::rand() % 8);
            row[4 * x + 1] = static_cast<std::uint8_t>(y * 255 / HEIGHT);
            row[4 * x + 2] = static_cast<std::uint8_t>((x + y) / 5 + std::rand() % 8);
            row[4 * x + 3] = (x / 40 + y / 40) % 5 == 0 ? 0 : 255;
        }
    }
    return s;
}

const std::string& png_file() {
    static const std::string path = [] {
        const std::string name = "/tmp/bench_pictures_" + std::to_string(getpid()) + ".png";
        SDL_Surface* s = make_picture();
        IMG_SavePNG(s, name.c_str());
        SDL_FreeSurface(s);
        std::atexit([] { std::remove(png_file().c_str()); });
        return name;
    }();
    return path;
}

void set_test_palette() {
    for (int i = 0; i < 256; ++i)
        palette_entries[i] = {static_cast<std::uint8_t>((i & 7) * 36),
                              static_cast<std::uint8_t>(((i >> 3) & 7) * 36),
                              static_cast<std::uint8_t>((i >> 6) * 85), 0};
}

void BM_PngRead_Engine(benchmark::State& state) {
    png_file(); // made before the timing starts
    BitmapFile bitmap{};
    for (auto _ : state) {
        if (!read_bitmap_file(&bitmap, png_file().c_str())) state.SkipWithError("not read");
        benchmark::DoNotOptimize(bitmap.pixels);
    }
    release_bitmap_file(&bitmap);
}
BENCHMARK(BM_PngRead_Engine)->Unit(benchmark::kMillisecond);

void BM_PngRead_SdlImage(benchmark::State& state) {
    for (auto _ : state) {
        SDL_Surface* s = IMG_Load(png_file().c_str());
        if (s == nullptr) state.SkipWithError("not read");
        benchmark::DoNotOptimize(s);
        SDL_FreeSurface(s);
    }
}
BENCHMARK(BM_PngRead_SdlImage)->Unit(benchmark::kMillisecond);

// Arg 1: the palette changes before every cut, so each colour is searched afresh; arg 0: the
// same palette throughout, so the remembered answers serve.
void BM_TrueColourTo8Bits_Engine(benchmark::State& state) {
    BitmapFile bitmap{};
    read_bitmap_file(&bitmap, png_file().c_str());
    set_test_palette();
    BitmapImage image{};
    image_create(&image, 0, 0, WIDTH, HEIGHT, 8);
    std::uint8_t flip = 0;
    for (auto _ : state) {
        if (state.range(0) != 0) palette_entries[255].blue = ++flip;
        if (!image_cut(&image, &bitmap, 0, 0, 1)) state.SkipWithError("not cut");
        benchmark::DoNotOptimize(image.pixels);
    }
    image_destroy(&image);
    release_bitmap_file(&bitmap);
}
BENCHMARK(BM_TrueColourTo8Bits_Engine)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TrueColourTo8Bits_SdlBlit(benchmark::State& state) {
    SDL_Surface* source = make_picture();
    SDL_SetSurfaceBlendMode(source, SDL_BLENDMODE_NONE);
    SDL_Surface* dest = SDL_CreateRGBSurfaceWithFormat(0, WIDTH, HEIGHT, 8, SDL_PIXELFORMAT_INDEX8);
    set_test_palette();
    SDL_Color colours[256];
    for (int i = 0; i < 256; ++i)
        colours[i] = {palette_entries[i].red, palette_entries[i].green, palette_entries[i].blue,
                      255};
    SDL_SetPaletteColors(dest->format->palette, colours, 0, 256);
    for (auto _ : state) {
        SDL_BlitSurface(source, nullptr, dest, nullptr);
        benchmark::DoNotOptimize(dest->pixels);
    }
    SDL_FreeSurface(dest);
    SDL_FreeSurface(source);
}
BENCHMARK(BM_TrueColourTo8Bits_SdlBlit)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
