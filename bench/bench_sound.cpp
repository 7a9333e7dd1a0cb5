// The mixer's cost: sixteen voices mixed into one second of 44.1 kHz stereo through our
// DirectSound's callback, beside copying the same samples and beside SDL's own mixing of
// them (SDL_MixAudioFormat, which neither resamples nor pans). One iteration is one second
// of sound, so its time in milliseconds, divided by ten, is the share of a core in percent.
#include "platform/dsound.h"
#include "platform/dsound/audio_output.h"
#include "platform/dsound/dsound_state.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int VOICES = 16;
constexpr int FRAMES = AUDIO_OUTPUT_RATE; // one second

int open_nothing(AudioMixFunction, char*, int) {
    return 1;
}
void close_nothing() {}
AudioOutput Silent = {"benchmark", open_nothing, close_nothing, nullptr, nullptr};

// Sixteen looping 16-bit stereo voices, half at the output's rate and half at 22,050 Hz, at
// assorted volumes and pans: the mixer resamples half of them.
struct Voices {
    LPDIRECTSOUND8 device = nullptr;
    LPDIRECTSOUNDBUFFER buffers[VOICES] = {};
    Voices() {
        audio_use_output(&Silent);
        DirectSoundCreate8(nullptr, &device, nullptr);
        device->SetCooperativeLevel(reinterpret_cast<HWND>(1), DSSCL_PRIORITY);
        std::mt19937 rng(7);
        for (int i = 0; i < VOICES; ++i) {
            WAVEFORMATEX f{};
            f.wFormatTag = WAVE_FORMAT_PCM;
            f.nChannels = 2;
            f.wBitsPerSample = 16;
            f.nSamplesPerSec = i % 2 ? 22050 : 44100;
            f.nBlockAlign = 4;
            f.nAvgBytesPerSec = f.nSamplesPerSec * 4;
            DSBUFFERDESC desc{};
            desc.dwSize = sizeof desc;
            desc.dwFlags = DSBCAPS_CTRLVOLUME | DSBCAPS_CTRLPAN;
            desc.dwBufferBytes = 20000 * 4;
            desc.lpwfxFormat = &f;
            device->CreateSoundBuffer(&desc, &buffers[i], nullptr);
            LPVOID p = nullptr;
            DWORD n = 0;
            buffers[i]->Lock(0, 0, &p, &n, nullptr, nullptr, DSBLOCK_ENTIREBUFFER);
            for (DWORD b = 0; b < n; ++b)
                static_cast<std::uint8_t*>(p)[b] = static_cast<std::uint8_t>(rng());
            buffers[i]->Unlock(p, n, nullptr, 0);
            buffers[i]->SetVolume(-static_cast<LONG>(i * 100));
            buffers[i]->SetPan(static_cast<LONG>(i * 1000) - 8000);
            buffers[i]->Play(0, 0, DSBPLAY_LOOPING);
        }
    }
    ~Voices() {
        for (LPDIRECTSOUNDBUFFER b : buffers)
            b->Release();
        device->Release();
        audio_use_output(nullptr);
    }
};

void BM_MixSixteenVoicesOneSecond(benchmark::State& state) {
    Voices voices;
    std::vector<std::int16_t> out(FRAMES * 2);
    for (auto _ : state) {
        // As the device asks: blocks of 1024 frames.
        for (int at = 0; at < FRAMES; at += 1024)
            dsound_mix(out.data() + 2 * at, FRAMES - at < 1024 ? FRAMES - at : 1024);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_MixSixteenVoicesOneSecond)->Unit(benchmark::kMillisecond);

// The same sixteen seconds of stereo samples only copied, one voice after another.
void BM_CopySixteenVoicesOneSecond(benchmark::State& state) {
    std::vector<std::int16_t> sources(static_cast<std::size_t>(VOICES) * FRAMES * 2, 3);
    std::vector<std::int16_t> out(FRAMES * 2);
    for (auto _ : state) {
        for (int v = 0; v < VOICES; ++v)
            std::memcpy(out.data(), sources.data() + static_cast<std::size_t>(v) * FRAMES * 2,
                        out.size() * sizeof(std::int16_t));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CopySixteenVoicesOneSecond)->Unit(benchmark::kMillisecond);

void BM_SdlMixSixteenVoicesOneSecond(benchmark::State& state) {
    std::vector<std::int16_t> sources(static_cast<std::size_t>(VOICES) * FRAMES * 2);
    std::mt19937 rng(7);
    for (std::int16_t& s : sources)
        s = static_cast<std::int16_t>(rng());
    std::vector<std::int16_t> out(FRAMES * 2);
    const Uint32 bytes = static_cast<Uint32>(out.size() * sizeof(std::int16_t));
    for (auto _ : state) {
        std::memset(out.data(), 0, bytes);
        for (int v = 0; v < VOICES; ++v)
            SDL_MixAudioFormat(reinterpret_cast<Uint8*>(out.data()),
                               reinterpret_cast<const Uint8*>(
                                   sources.data() + static_cast<std::size_t>(v) * FRAMES * 2),
                               AUDIO_S16SYS, bytes, SDL_MIX_MAXVOLUME - v * 4);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_SdlMixSixteenVoicesOneSecond)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
