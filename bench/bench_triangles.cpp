// Our filled triangles beside Allegro 4's triangle on an 8-bit memory bitmap, SDL2_gfx's
// filledTrigonColor on SDL2's software renderer, and the floor: one memset per span of the
// same triangles. The workload is 2,000 seeded triangles about 80 pixels across, all on screen.
#include "allegro_peer.h"
#include "memset_floor.h"
#include "sdl_gfx_peer.h"
#include "engine/display/display_context.h"
#include "engine/util/triangles.h"

#include <SDL.h>
#include <SDL2_gfxPrimitives.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int TRIANGLES = 2000;
constexpr int REACH = 40; // each vertex lies within this many pixels of the centre

struct Triangle {
    int x1, y1, x2, y2, x3, y3, color;
};

const std::vector<Triangle>& workload() {
    static const std::vector<Triangle> triangles = [] {
        std::mt19937 random(20051);
        std::uniform_int_distribution<int> cx(REACH, WIDTH - 1 - REACH);
        std::uniform_int_distribution<int> cy(REACH, HEIGHT - 1 - REACH);
        std::uniform_int_distribution<int> offset(-REACH, REACH);
        std::vector<Triangle> list(TRIANGLES);
        for (int i = 0; i < TRIANGLES; ++i) {
            const int x = cx(random), y = cy(random);
            list[i] = {x + offset(random), y + offset(random), x + offset(random),
                       y + offset(random), x + offset(random), y + offset(random),
                       1 + i % 255};
        }
        return list;
    }();
    return triangles;
}

// The spans draw_triangle8 fills, read back from a scratch screen one triangle at a time.
const std::vector<Span>& workload_spans() {
    static const std::vector<Span> spans = [] {
        display_context_reset();
        std::vector<std::uint8_t> screen(WIDTH * HEIGHT, 0);
        std::vector<Span> list;
        for (const Triangle& t : workload()) {
            draw_triangle8(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, 1, screen.data(), WIDTH);
            for (int y = 0; y < HEIGHT; ++y) {
                std::uint8_t* row = screen.data() + y * WIDTH;
                const auto first = std::find(row, row + WIDTH, 1);
                if (first == row + WIDTH) continue;
                const auto last = std::find(first, row + WIDTH, 0);
                list.push_back({static_cast<int>(first - screen.data()),
                                static_cast<int>(last - first), t.color});
                std::fill(first, last, 0);
            }
        }
        return list;
    }();
    return spans;
}

// Time per triangle beside the time per pass over the workload.
void count_triangles(benchmark::State& state) {
    state.counters["per_triangle"] = benchmark::Counter(
        TRIANGLES, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename Pixel>
using DrawTriangle = void (*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                              std::int32_t, std::int32_t, Pixel*, std::int32_t);

template <typename Pixel> void run_ours(benchmark::State& state, DrawTriangle<Pixel> draw) {
    display_context_reset(); // the clip rectangle is the whole screen
    std::vector<Pixel> screen(WIDTH * HEIGHT);
    const std::int32_t pitch = WIDTH * sizeof(Pixel);
    for (auto _ : state) {
        for (const Triangle& t : workload())
            draw(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, t.color, screen.data(), pitch);
        benchmark::ClobberMemory();
    }
    count_triangles(state);
}

void BM_ours8(benchmark::State& state, DrawTriangle<std::uint8_t> draw) {
    run_ours(state, draw);
}
BENCHMARK_CAPTURE(BM_ours8, draw_triangle8, draw_triangle8);
BENCHMARK_CAPTURE(BM_ours8, draw_triangle8_fixed, draw_triangle8_fixed);

void BM_ours16(benchmark::State& state, DrawTriangle<std::uint16_t> draw) {
    run_ours(state, draw);
}
BENCHMARK_CAPTURE(BM_ours16, draw_triangle16, draw_triangle16);

void BM_memset_spans(benchmark::State& state) {
    fill_spans_each_pass(state, workload_spans(), WIDTH, HEIGHT);
    count_triangles(state);
}
BENCHMARK(BM_memset_spans);

void BM_allegro_triangle(benchmark::State& state) {
    if (!allegro_peer_open(WIDTH, HEIGHT)) {
        state.SkipWithError("Allegro did not start");
        return;
    }
    for (auto _ : state) {
        for (const Triangle& t : workload())
            allegro_peer_triangle(t.x1, t.y1, t.x2, t.y2, t.x3, t.y3, t.color);
        benchmark::ClobberMemory();
    }
    const Triangle& last = workload().back();
    if (allegro_peer_pixel((last.x1 + last.x2 + last.x3) / 3, (last.y1 + last.y2 + last.y3) / 3) !=
        last.color)
        state.SkipWithError("triangle did not fill the last triangle's centre");
    allegro_peer_close();
    count_triangles(state);
}
BENCHMARK(BM_allegro_triangle);

// The software renderer queues its drawing; the flush in each pass makes it draw. The
// surface is 8-bit with a grey ramp, so grey c is index c.
void BM_SDL2_gfx_filledTrigonColor(benchmark::State& state) {
    SdlGfxTarget target;
    if (!open_sdl_gfx_target(target, WIDTH, HEIGHT, 8, state)) return;
    for (auto _ : state) {
        for (const Triangle& t : workload())
            filledTrigonColor(target.renderer, static_cast<Sint16>(t.x1), static_cast<Sint16>(t.y1),
                              static_cast<Sint16>(t.x2), static_cast<Sint16>(t.y2),
                              static_cast<Sint16>(t.x3), static_cast<Sint16>(t.y3),
                              sdl_gfx_grey(t.color));
        SDL_RenderFlush(target.renderer);
        benchmark::ClobberMemory();
    }
    require_sdl_gfx_drawing(target, HEIGHT, "filledTrigonColor drew nothing", state);
    close_sdl_gfx_target(target);
    count_triangles(state);
}
BENCHMARK(BM_SDL2_gfx_filledTrigonColor);

} // namespace

BENCHMARK_MAIN();
