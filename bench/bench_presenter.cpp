// Presenting one changed 8-bit frame at a whole scale: the Windows presenter's one-pass
// conversion and scaling into its bitmap, beside the SDL backend's path (the picture
// converted whole into its 32-bit copy, then scaled into the window's pixels). Both first
// tell the changed frame from the one before, as each backend does.
#include "platform/host/convert.h"
#include "platform/host/scale.h"
#include "platform/host/viewport.h"
#include "platform/host/win32/win32_frame.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <vector>

namespace {

constexpr int WIDTH = 640;
constexpr int HEIGHT = 480;

struct Frames {
    std::vector<std::uint8_t> pixels[2];
    PALETTEENTRY palette[256];
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
        f->palette[i] = {static_cast<BYTE>(i), static_cast<BYTE>(255 - i), static_cast<BYTE>(i / 2),
                         0};
    for (int k = 0; k < 2; k++)
        f->pictures[k] = {f->pixels[k].data(), WIDTH, WIDTH, HEIGHT, 8, f->palette};
}

void BM_PresentChangedFrame_Win32Presenter(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    Frames frames;
    make_frames(&frames);
    const VideoViewport v = {0, 0, WIDTH * scale, HEIGHT * scale};
    std::vector<std::uint32_t> bitmap(static_cast<std::size_t>(v.width) * v.height);
    FrameCopy shown;
    int n = 0;
    for (auto _ : state) {
        const VideoPicture& picture = frames.pictures[n++ & 1];
        if (frame_remember(&shown, &picture))
            frame_convert_scaled(&picture, v, bitmap.data(), v.width);
        benchmark::DoNotOptimize(bitmap.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PresentChangedFrame_Win32Presenter)->Arg(2)->Arg(3);

void BM_PresentChangedFrame_SdlBackendPath(benchmark::State& state) {
    const int scale = static_cast<int>(state.range(0));
    Frames frames;
    make_frames(&frames);
    const VideoViewport v = fit_picture(WIDTH * scale, HEIGHT * scale, WIDTH, HEIGHT);
    std::vector<std::uint32_t> window(static_cast<std::size_t>(v.width) * v.height);
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(WIDTH) * HEIGHT);
    std::vector<std::uint8_t> shown(static_cast<std::size_t>(WIDTH) * HEIGHT);
    int n = 0;
    for (auto _ : state) {
        const VideoPicture& picture = frames.pictures[n++ & 1];
        // The backend's band of changed rows: here the first row to the last.
        int first = 0, last = HEIGHT - 1;
        while (first <= last &&
               std::memcmp(&shown[first * WIDTH], picture.pixels + first * WIDTH, WIDTH) == 0)
            ++first;
        while (last >= first &&
               std::memcmp(&shown[last * WIDTH], picture.pixels + last * WIDTH, WIDTH) == 0)
            --last;
        std::memcpy(&shown[first * WIDTH], picture.pixels + first * WIDTH,
                    static_cast<std::size_t>(last - first + 1) * WIDTH);
        VideoPicture band = picture;
        band.pixels = picture.pixels + first * WIDTH;
        band.height = last - first + 1;
        convert_picture_to_argb(&band, &argb[static_cast<std::size_t>(first) * WIDTH], WIDTH);
        int out_first = 0, out_last = 0;
        if (viewport_rows_of(v, HEIGHT, first, last, &out_first, &out_last))
            scale_rows(argb.data(), WIDTH, WIDTH, HEIGHT, v, out_first, out_last, window.data(),
                       v.width);
        benchmark::DoNotOptimize(window.data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_PresentChangedFrame_SdlBackendPath)->Arg(2)->Arg(3);

} // namespace

BENCHMARK_MAIN();
