// One whole played frame of the game on the headless backend (clear, vertical move, level
// picture, physics, sprites, flip; no 30 ms wait) beside memcpy of the same 640 x 480
// bytes twice. Run it from the build's bin folder, where the data files are.
#include "engine/engine.h"
#include "game/game_frame.h"
#include "game/screens.h"
#include "game/setup.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

static void BM_PlayedFrame(benchmark::State& state) {
    platform_reset();
    WNDCLASSEXA window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = DefWindowProcA;
    window_class.lpszClassName = "BENCHFRAME";
    RegisterClassExA(&window_class);
    MainWindow = CreateWindowExA(0, "BENCHFRAME", "Brambleleap 2005", WS_POPUP | WS_VISIBLE, 0, 0,
                                 640, 480, nullptr, nullptr, nullptr, nullptr);
    if (!MainWindow || !game_set_up()) {
        state.SkipWithError("the game could not be set up");
        return;
    }
    GameState = STATE_PLAYING;
    const int presented_before = headless_frame_count();
    for (auto _ : state)
        benchmark::DoNotOptimize(game_frame());
    // One flip per frame shows that every pass drew and presented a whole picture.
    state.counters["presents_per_frame"] =
        static_cast<double>(headless_frame_count() - presented_before) / state.iterations();
    state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
    game_tear_down();
    DestroyWindow(MainWindow);
}
BENCHMARK(BM_PlayedFrame);

static void BM_MemcpyScreenTwice(benchmark::State& state) {
    std::vector<std::uint8_t> source(640 * 480, 7), first(640 * 480), second(640 * 480);
    for (auto _ : state) {
        std::memcpy(first.data(), source.data(), source.size());
        std::memcpy(second.data(), first.data(), first.size());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * 640 * 480 * 2);
}
BENCHMARK(BM_MemcpyScreenTwice);

BENCHMARK_MAIN();
