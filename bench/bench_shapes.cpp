// Our filled rectangles and circles beside Allegro 4's rectfill and circlefill on an 8-bit
// memory bitmap of the same size. The workload is 2,000 seeded shapes of 4 to 60 pixels
// across, a quarter of them reaching over the screen's edges so that clipping is paid for.
#include "allegro_peer.h"
#include "engine/display/display_context.h"
#include "engine/util/circles.h"
#include "engine/util/rects.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int SHAPES = 2000;

struct Shape {
    int x, y, size, color; // a circle's centre and radius, a rectangle's corner and side
};

const std::vector<Shape>& workload() {
    static const std::vector<Shape> shapes = [] {
        std::mt19937 random(20052);
        std::uniform_int_distribution<int> x(-30, WIDTH + 29), y(-30, HEIGHT + 29);
        std::uniform_int_distribution<int> inside_x(30, WIDTH - 31), inside_y(30, HEIGHT - 31);
        std::uniform_int_distribution<int> size(2, 30);
        std::vector<Shape> list(SHAPES);
        for (int i = 0; i < SHAPES; ++i) {
            const bool across = i % 4 == 0;
            list[i] = {across ? x(random) : inside_x(random), across ? y(random) : inside_y(random),
                       size(random), 1 + i % 255};
        }
        return list;
    }();
    return shapes;
}

void count_shapes(benchmark::State& state) {
    state.counters["per_shape"] = benchmark::Counter(
        SHAPES, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename Pixel, typename Draw> void run_ours(benchmark::State& state, Draw draw) {
    display_context_reset(); // the clip rectangle is the whole screen
    std::vector<Pixel> screen(WIDTH * HEIGHT);
    const std::int32_t pitch = WIDTH * sizeof(Pixel);
    for (auto _ : state) {
        for (const Shape& s : workload())
            draw(s, screen.data(), pitch);
        benchmark::ClobberMemory();
    }
    count_shapes(state);
}

void BM_fill_rect8(benchmark::State& state) {
    run_ours<std::uint8_t>(state, [](const Shape& s, std::uint8_t* screen, std::int32_t pitch) {
        fill_rect8(s.x, s.y, s.x + 2 * s.size, s.y + 2 * s.size, s.color, screen, pitch);
    });
}
BENCHMARK(BM_fill_rect8);

void BM_fill_rect16(benchmark::State& state) {
    run_ours<std::uint16_t>(state, [](const Shape& s, std::uint16_t* screen, std::int32_t pitch) {
        fill_rect16(s.x, s.y, s.x + 2 * s.size, s.y + 2 * s.size, s.color, screen, pitch);
    });
}
BENCHMARK(BM_fill_rect16);

void BM_fill_circle8(benchmark::State& state) {
    run_ours<std::uint8_t>(state, [](const Shape& s, std::uint8_t* screen, std::int32_t pitch) {
        fill_circle8(s.x, s.y, s.size, s.color, screen, pitch);
    });
}
BENCHMARK(BM_fill_circle8);

void BM_fill_circle16(benchmark::State& state) {
    run_ours<std::uint16_t>(state, [](const Shape& s, std::uint16_t* screen, std::int32_t pitch) {
        fill_circle16(s.x, s.y, s.size, s.color, screen, pitch);
    });
}
BENCHMARK(BM_fill_circle16);

void BM_draw_circle8(benchmark::State& state) {
    run_ours<std::uint8_t>(state, [](const Shape& s, std::uint8_t* screen, std::int32_t pitch) {
        draw_circle8(s.x, s.y, s.size, s.color, screen, pitch);
    });
}
BENCHMARK(BM_draw_circle8);

template <typename Draw> void run_allegro(benchmark::State& state, Draw draw) {
    if (!allegro_peer_open(WIDTH, HEIGHT)) {
        state.SkipWithError("Allegro did not start");
        return;
    }
    for (auto _ : state) {
        for (const Shape& s : workload())
            draw(s);
        benchmark::ClobberMemory();
    }
    // The last shape lies inside the screen (index 1999 is not a multiple of 4): its centre
    // must carry its colour, or Allegro drew nowhere we think.
    const Shape& last = workload().back();
    if (allegro_peer_pixel(last.x + 1, last.y + 1) != last.color)
        state.SkipWithError("Allegro did not fill the last shape");
    allegro_peer_close();
    count_shapes(state);
}

void BM_allegro_rectfill(benchmark::State& state) {
    run_allegro(state, [](const Shape& s) {
        allegro_peer_rectfill(s.x, s.y, s.x + 2 * s.size, s.y + 2 * s.size, s.color);
    });
}
BENCHMARK(BM_allegro_rectfill);

void BM_allegro_circlefill(benchmark::State& state) {
    run_allegro(state, [](const Shape& s) { allegro_peer_circlefill(s.x, s.y, s.size, s.color); });
}
BENCHMARK(BM_allegro_circlefill);

} // namespace

BENCHMARK_MAIN();
