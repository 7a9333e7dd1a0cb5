// Filled polygons beside the fill as it was before its fix for vertices sharing a row, the
// plain walk they are clipped from, Allegro 4's polygon on an 8-bit memory bitmap, SDL2_gfx's
// filledPolygonColor on SDL2's software renderer and the floor of one memset per span; also
// outlines, and turning a 64-vertex polygon directly and through a matrix. The workload is
// 2,000 seeded convex octagons of radius 10 to 40, all on screen.
#include "allegro_peer.h"
#include "earlier_polygon_fill.h"
#include "memset_floor.h"
#include "sdl_gfx_peer.h"
#include "engine/display/display_context.h"
#include "engine/util/polygon.h"
#include "engine/util/polygon_fill.h"
#include "tests/support/reference_polygon_fill.h"

#include <SDL.h>
#include <SDL2_gfxPrimitives.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <vector>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;
constexpr int OCTAGONS = 2000;
constexpr int CORNERS = 8;

struct Workload {
    std::vector<Point2D> vertices; // CORNERS per octagon
    std::vector<Polygon> octagons;
    std::vector<int> points; // screen x, y pairs, for the peers
};

// One corner at a random angle in each eighth of a circle: convex, in order round the
// outline, and never so lopsided that the centre falls outside.
const Workload& workload() {
    static const Workload work = [] {
        std::mt19937 random(8);
        std::uniform_real_distribution<float> radius(10.0f, 40.0f);
        std::uniform_real_distribution<float> turn(0.0f, 6.2831853f / CORNERS);
        std::uniform_int_distribution<int> cx(41, WIDTH - 42), cy(41, HEIGHT - 42);
        Workload w;
        w.vertices.resize(OCTAGONS * CORNERS);
        for (int i = 0; i < OCTAGONS; ++i) {
            const float r = radius(random);
            Polygon p{};
            p.active = 1;
            p.num_verts = CORNERS;
            p.x0 = cx(random);
            p.y0 = cy(random);
            p.color = 1 + i % 255;
            p.vlist = &w.vertices[i * CORNERS];
            for (int k = 0; k < CORNERS; ++k) {
                const float angle = k * (6.2831853f / CORNERS) + turn(random);
                p.vlist[k] = {r * std::cos(angle), r * std::sin(angle)};
                w.points.push_back(static_cast<int>(p.x0 + p.vlist[k].x));
                w.points.push_back(static_cast<int>(p.y0 + p.vlist[k].y));
            }
            w.octagons.push_back(p);
        }
        return w;
    }();
    return work;
}

// Each row's extent of what the walk stores, one octagon at a time.
struct SpanRecorder {
    std::map<int, std::pair<int, int>> rows;
    void plot(int x, int y) { span(y, x, x); }
    void span(int y, int first, int last) {
        auto [at, fresh] = rows.try_emplace(y, first, last);
        at->second.first = std::min(at->second.first, first);
        at->second.second = std::max(at->second.second, last);
    }
};

const std::vector<Span>& workload_spans() {
    static const std::vector<Span> spans = [] {
        std::vector<Span> list;
        for (const Polygon& p : workload().octagons) {
            SpanRecorder recorder;
            reference_polygon_walk(p, recorder);
            for (auto [y, run] : recorder.rows)
                list.push_back({y * WIDTH + run.first, run.second - run.first + 1, p.color});
        }
        return list;
    }();
    return spans;
}

void count_octagons(benchmark::State& state) {
    state.counters["per_octagon"] = benchmark::Counter(
        OCTAGONS, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

template <typename Draw> void run_on_screen(benchmark::State& state, Draw draw) {
    display_context_reset(); // the clip rectangle is the whole screen
    std::vector<std::uint8_t> screen(WIDTH * HEIGHT);
    for (auto _ : state) {
        for (const Polygon& p : workload().octagons)
            draw(p, screen.data());
        benchmark::ClobberMemory();
    }
    count_octagons(state);
}

void BM_draw_filled_polygon8(benchmark::State& state) {
    run_on_screen(state, [](const Polygon& p, std::uint8_t* screen) {
        draw_filled_polygon8(&p, screen, WIDTH);
    });
}
BENCHMARK(BM_draw_filled_polygon8);

// The fill before vertices sharing a row were settled: today's fill is held to within 5 % of
// it. Run both with --benchmark_repetitions and --benchmark_enable_random_interleaving so
// that they alternate and share the machine's ups and downs.
void BM_earlier_draw_filled_polygon8(benchmark::State& state) {
    run_on_screen(state, [](const Polygon& p, std::uint8_t* screen) {
        earlier_draw_filled_polygon8(&p, screen, WIDTH);
    });
}
BENCHMARK(BM_earlier_draw_filled_polygon8);

// The walk without its clipping: the cost the clipping adds is the difference.
void BM_plain_walk8(benchmark::State& state) {
    run_on_screen(state, [](const Polygon& p, std::uint8_t* screen) {
        UnclippedSink<std::uint8_t> sink{screen, WIDTH, static_cast<std::uint8_t>(p.color)};
        reference_polygon_walk(p, sink);
    });
}
BENCHMARK(BM_plain_walk8);

void BM_draw_polygon8_outline(benchmark::State& state) {
    run_on_screen(state,
                  [](const Polygon& p, std::uint8_t* screen) { draw_polygon8(&p, screen, WIDTH); });
}
BENCHMARK(BM_draw_polygon8_outline);

void BM_memset_spans(benchmark::State& state) {
    fill_spans_each_pass(state, workload_spans(), WIDTH, HEIGHT);
    count_octagons(state);
}
BENCHMARK(BM_memset_spans);

void BM_allegro_polygon(benchmark::State& state) {
    if (!allegro_peer_open(WIDTH, HEIGHT)) {
        state.SkipWithError("Allegro did not start");
        return;
    }
    const Workload& w = workload();
    for (auto _ : state) {
        for (int i = 0; i < OCTAGONS; ++i)
            allegro_peer_polygon(CORNERS, &w.points[i * CORNERS * 2], w.octagons[i].color);
        benchmark::ClobberMemory();
    }
    const Polygon& last = w.octagons.back();
    if (allegro_peer_pixel(last.x0, last.y0) != last.color)
        state.SkipWithError("polygon did not fill the last octagon's centre");
    allegro_peer_close();
    count_octagons(state);
}
BENCHMARK(BM_allegro_polygon);

// The software renderer queues its drawing; the flush in each pass makes it draw. The surface
// is 8-bit with a grey ramp, so grey c is index c.
void BM_SDL2_gfx_filledPolygonColor(benchmark::State& state) {
    SdlGfxTarget target;
    if (!open_sdl_gfx_target(target, WIDTH, HEIGHT, 8, state)) return;
    const Workload& w = workload();
    std::vector<Sint16> xs, ys;
    for (std::size_t i = 0; i < w.points.size(); i += 2) {
        xs.push_back(static_cast<Sint16>(w.points[i]));
        ys.push_back(static_cast<Sint16>(w.points[i + 1]));
    }
    for (auto _ : state) {
        for (int i = 0; i < OCTAGONS; ++i)
            filledPolygonColor(target.renderer, &xs[i * CORNERS], &ys[i * CORNERS], CORNERS,
                               sdl_gfx_grey(w.octagons[i].color));
        SDL_RenderFlush(target.renderer);
        benchmark::ClobberMemory();
    }
    const Polygon& last = w.octagons.back();
    if (SDL_LockSurface(target.surface) == 0) {
        const auto* pixels = static_cast<const std::uint8_t*>(target.surface->pixels);
        if (pixels[last.y0 * target.surface->pitch + last.x0] != last.color)
            state.SkipWithError("filledPolygonColor did not fill the last octagon's centre");
        SDL_UnlockSurface(target.surface);
    }
    close_sdl_gfx_target(target);
    count_octagons(state);
}
BENCHMARK(BM_SDL2_gfx_filledPolygonColor);

// A 64-vertex polygon turned 7 degrees per pass; a turn keeps its size, so it never drifts
// into denormals or infinities.
template <typename Rotate> void run_rotation(benchmark::State& state, Rotate rotate) {
    std::vector<Point2D> vertices;
    for (int k = 0; k < 64; ++k)
        vertices.push_back({30.0f * std::cos(k * 0.0981748f), 20.0f * std::sin(k * 0.0981748f)});
    Polygon p{};
    p.num_verts = 64;
    p.vlist = vertices.data();
    for (auto _ : state) {
        rotate(&p, 7);
        benchmark::ClobberMemory();
    }
    state.counters["per_vertex"] = benchmark::Counter(
        64, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_rotate_polygon(benchmark::State& state) {
    run_rotation(state, rotate_polygon);
}
BENCHMARK(BM_rotate_polygon);

void BM_rotate_polygon_mat(benchmark::State& state) {
    run_rotation(state, rotate_polygon_mat);
}
BENCHMARK(BM_rotate_polygon_mat);

} // namespace

BENCHMARK_MAIN();
