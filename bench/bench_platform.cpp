// The platform layer's own work beside SDL2 doing the same: the message queue against SDL's
// event queue, and presenting an 8-bit frame through the SDL backend against SDL's surface
// conversion and texture update.
#include "platform/platform_reset.h"
#include "platform/host/sdl/sdl_host.h"
#include "platform/host/host.h"
#include "platform/win32.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <vector>

namespace {

constexpr int BURST = 64;
constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

int KeysSeen = 0;

LRESULT CALLBACK counting_proc(HWND, UINT message, WPARAM, LPARAM) {
    KeysSeen += message == WM_KEYDOWN;
    return 0;
}

HWND bench_window() {
    platform_reset();
    WNDCLASSEXA wc = {};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = counting_proc;
    wc.lpszClassName = "BENCH";
    RegisterClassExA(&wc);
    return CreateWindowExA(0, "BENCH", "bench", WS_POPUP, 0, 0, WIDTH, HEIGHT, nullptr, nullptr,
                           nullptr, nullptr);
}

// A burst of key presses posted and then taken one per PeekMessageA, each dispatched.
void BM_Messages_Ours(benchmark::State& state) {
    HWND window = bench_window();
    MSG msg;
    for (auto _ : state) {
        for (int i = 0; i < BURST; i++)
            PostMessageA(window, WM_KEYDOWN, 'A' + i % 26, 1);
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
    }
    state.SetItemsProcessed(state.iterations() * BURST);
}
BENCHMARK(BM_Messages_Ours);

void BM_Messages_SdlEvents(benchmark::State& state) {
    SDL_InitSubSystem(SDL_INIT_EVENTS);
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    for (auto _ : state) {
        for (int i = 0; i < BURST; i++) {
            event.key.keysym.sym = SDLK_a + i % 26;
            SDL_PushEvent(&event);
        }
        SDL_Event taken;
        while (SDL_PollEvent(&taken))
            KeysSeen += taken.type == SDL_KEYDOWN;
        benchmark::DoNotOptimize(KeysSeen);
    }
    state.SetItemsProcessed(state.iterations() * BURST);
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
}
BENCHMARK(BM_Messages_SdlEvents);

struct Frame8 {
    std::vector<std::uint8_t> pixels;
    HostColor palette[256];
};

Frame8 make_frame() {
    Frame8 frame;
    frame.pixels.resize(WIDTH * HEIGHT);
    for (int i = 0; i < WIDTH * HEIGHT; i++)
        frame.pixels[i] = static_cast<std::uint8_t>(i * 7);
    for (int i = 0; i < 256; i++)
        frame.palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                            static_cast<std::uint8_t>(i / 2), 0};
    return frame;
}

// Both present benchmarks draw into an off-screen window (ours into its surface, the peer
// through SDL's software renderer), so they measure conversion and drawing rather than a
// display's speed. Every frame differs from the one before, as while playing.
void use_offscreen_video() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}

void BM_Present_Ours(benchmark::State& state) {
    use_offscreen_video();
    const Host* sdl = sdl_host();
    char error[256];
    if (!sdl->open_window("bench", WIDTH, HEIGHT, error, sizeof error)) {
        state.SkipWithError(error);
        return;
    }
    sdl->set_mode(WIDTH, HEIGHT, 8, 0);
    Frame8 frames[2] = {make_frame(), make_frame()};
    frames[1].pixels[0] ^= 1;
    frames[1].pixels[WIDTH * HEIGHT - 1] ^= 1;
    VideoPicture pictures[2] = {
        {frames[0].pixels.data(), WIDTH, WIDTH, HEIGHT, 8, frames[0].palette},
        {frames[1].pixels.data(), WIDTH, WIDTH, HEIGHT, 8, frames[1].palette}};
    // They differ in the first row and the last, so all the rows between are drawn.
    for (VideoPicture& picture : pictures)
        picture.changed = {0, 0, WIDTH, HEIGHT};
    int n = 0;
    for (auto _ : state)
        sdl->present(&pictures[n++ & 1]);
    state.SetItemsProcessed(state.iterations());
    sdl->close_window();
}
BENCHMARK(BM_Present_Ours);

void BM_Present_SdlSurfaceToTexture(benchmark::State& state) {
    use_offscreen_video();
    SDL_InitSubSystem(SDL_INIT_VIDEO);
    SDL_Window* window = SDL_CreateWindow("bench", 0, 0, WIDTH, HEIGHT, 0);
    SDL_Renderer* renderer = window ? SDL_CreateRenderer(window, -1, 0) : nullptr;
    if (!renderer) {
        state.SkipWithError(SDL_GetError());
        return;
    }
    SDL_Texture* texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888,
                                             SDL_TEXTUREACCESS_STREAMING, WIDTH, HEIGHT);
    Frame8 frame = make_frame();
    SDL_Surface* source = SDL_CreateRGBSurfaceWithFormatFrom(frame.pixels.data(), WIDTH, HEIGHT, 8,
                                                             WIDTH, SDL_PIXELFORMAT_INDEX8);
    SDL_Color colours[256];
    for (int i = 0; i < 256; i++)
        colours[i] = {frame.palette[i].red, frame.palette[i].green, frame.palette[i].blue, 255};
    SDL_SetPaletteColors(source->format->palette, colours, 0, 256);
    SDL_Surface* converted =
        SDL_CreateRGBSurfaceWithFormat(0, WIDTH, HEIGHT, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_Rect dest = {0, 0, WIDTH, HEIGHT};
    for (auto _ : state) {
        SDL_BlitSurface(source, nullptr, converted, nullptr);
        SDL_UpdateTexture(texture, nullptr, converted->pixels, converted->pitch);
        SDL_RenderClear(renderer);
        SDL_RenderCopy(renderer, texture, nullptr, &dest);
        SDL_RenderPresent(renderer);
    }
    state.SetItemsProcessed(state.iterations());
    SDL_FreeSurface(converted);
    SDL_FreeSurface(source);
    SDL_DestroyTexture(texture);
    SDL_DestroyRenderer(renderer);
    SDL_DestroyWindow(window);
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(BM_Present_SdlSurfaceToTexture);

} // namespace

BENCHMARK_MAIN();
