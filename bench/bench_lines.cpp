// Our 8-bit lines beside Allegro 4's line on an 8-bit memory bitmap and SDL2_gfx's
// lineColor on SDL2's software renderer, over the same seeded lines: 10,000 across the
// screen, and 10,000 from an area twice the screen's size that must be clipped.
#include "allegro_peer.h"
#include "sdl_gfx_peer.h"
#include "engine/display/display_context.h"
#include "engine/util/lines.h"

#include <SDL.h>
#include <SDL2_gfxPrimitives.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int LINES = 10000;

struct Line {
    int x0, y0, x1, y1, color;
};

// End points uniform over the screen scaled by `scale` about its centre.
std::vector<Line> workload(int scale) {
    std::mt19937 random(20050);
    const int left = -(scale - 1) * WIDTH / 2, top = -(scale - 1) * HEIGHT / 2;
    std::uniform_int_distribution<int> x(left, left + scale * WIDTH - 1);
    std::uniform_int_distribution<int> y(top, top + scale * HEIGHT - 1);
    std::vector<Line> lines(LINES);
    for (int i = 0; i < LINES; ++i)
        lines[i] = {x(random), y(random), x(random), y(random), 1 + i % 255};
    return lines;
}

const std::vector<Line>& screen_lines() {
    static const std::vector<Line> lines = workload(1);
    return lines;
}

const std::vector<Line>& double_lines() {
    static const std::vector<Line> lines = workload(2);
    return lines;
}

const std::vector<Line>& lines_of(const benchmark::State& state) {
    return state.range(0) == 1 ? screen_lines() : double_lines();
}

// Time per line beside the time per pass over the workload.
void count_lines(benchmark::State& state) {
    state.counters["per_line"] = benchmark::Counter(
        LINES, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

using DrawLine = std::int32_t (*)(std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                                  std::int32_t, std::uint8_t*, std::int32_t);

void BM_ours(benchmark::State& state, DrawLine draw) {
    display_context_reset(); // the clip rectangle is the whole screen
    std::vector<std::uint8_t> screen(WIDTH * HEIGHT);
    for (auto _ : state) {
        for (const Line& l : lines_of(state))
            draw(l.x0, l.y0, l.x1, l.y1, l.color, screen.data(), WIDTH);
        benchmark::ClobberMemory();
    }
    count_lines(state);
}
BENCHMARK_CAPTURE(BM_ours, draw_line8, draw_line8)->Arg(1);
BENCHMARK_CAPTURE(BM_ours, draw_clip_line8, draw_clip_line8)->Arg(1)->Arg(2);

void BM_allegro_line(benchmark::State& state) {
    if (!allegro_peer_open(WIDTH, HEIGHT)) {
        state.SkipWithError("Allegro did not start");
        return;
    }
    for (auto _ : state) {
        for (const Line& l : lines_of(state))
            allegro_peer_line(l.x0, l.y0, l.x1, l.y1, l.color);
        benchmark::ClobberMemory();
    }
    if (allegro_peer_pixel(WIDTH / 2, HEIGHT / 2) == 0 && allegro_peer_pixel(5, 5) == 0)
        state.SkipWithError("line drew nothing");
    allegro_peer_close();
    count_lines(state);
}
BENCHMARK(BM_allegro_line)->Arg(1)->Arg(2);

// The software renderer queues its drawing; the flush in each pass makes it draw. On an
// 8-bit surface SDL looks each colour up in the palette (a grey ramp, so grey c is index
// c); on a 32-bit surface it only packs it, but writes four times the bytes.
void BM_SDL2_gfx_lineColor(benchmark::State& state) {
    SdlGfxTarget target;
    if (!open_sdl_gfx_target(target, WIDTH, HEIGHT, static_cast<int>(state.range(1)), state))
        return;
    for (auto _ : state) {
        for (const Line& l : lines_of(state))
            lineColor(target.renderer, static_cast<Sint16>(l.x0), static_cast<Sint16>(l.y0),
                      static_cast<Sint16>(l.x1), static_cast<Sint16>(l.y1), sdl_gfx_grey(l.color));
        SDL_RenderFlush(target.renderer);
        benchmark::ClobberMemory();
    }
    require_sdl_gfx_drawing(target, HEIGHT, "lineColor drew nothing", state);
    close_sdl_gfx_target(target);
    count_lines(state);
}
BENCHMARK(BM_SDL2_gfx_lineColor)->ArgsProduct({{1, 2}, {8, 32}});

} // namespace

BENCHMARK_MAIN();
