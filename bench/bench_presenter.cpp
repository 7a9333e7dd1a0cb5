// Presenting one changed 8-bit frame at a whole scale, as the SDL and Windows presenters do:
// the changed part, as the picture tells it, taken into the copy, then its rows converted and
// scaled in one pass.
#include "platform/host/picture_copy.h"
#include "platform/host/scale.h"
#include "platform/host/viewport.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

struct Frames {
    std::vector<std::uint8_t> pixels[2];
    HostColor palette[256];
    VideoPicture pictures[2];
};

// Two frames that differ in their first and last rows, shown in turn, as while playing.
void make_frames(Frames* f) {
    for (auto& pixels : f->pixels) {
        pixels.resize(WIDTH * HEIGHT);
        for (int i = 0; i < WIDTH * HEIGHT; i++)
            pixels[i] = static_cast<std::uint8_t>(i * 7 + i / WIDTH);
    }
    f->pixels[1][0] ^= 1;
    f->pixels[1][WIDTH * HEIGHT - 1] ^= 1;
    for (int i = 0; i < 256; i++)
        f->palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                         static_cast<std::uint8_t>(i / 2), 0};
    for (int k = 0; k < 2; k++) {
        f->pictures[k] = {f->pixels[k].data(), WIDTH, WIDTH, HEIGHT, 8, f->palette};
        f->pictures[k].changed = {0, 0, WIDTH, HEIGHT};
    }
}

void BM_PresentChangedFrame(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    Frames frames;
    make_frames(&frames);
    const VideoViewport v = {0, 0, WIDTH * scale, HEIGHT * scale};
    std::vector<std::uint32_t> bitmap(static_cast<std::size_t>(v.width) * v.height);
    PictureCopy shown;
    int n = 0;
    for (auto _ : state) {
        const VideoPicture& picture = frames.pictures[n++ & 1];
        HostRect part = {};
        int out_first = 0, out_last = 0;
        if (picture_remember(&shown, &picture, &part) &&
            viewport_rows_of(v, HEIGHT, part.y, part.y + part.height - 1, &out_first, &out_last))
            scale_picture_rows(&picture, v, out_first, out_last, bitmap.data(), v.width);
        benchmark::DoNotOptimize(bitmap.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PresentChangedFrame)->Arg(2)->Arg(3);

} // namespace

BENCHMARK_MAIN();
