// The DirectDraw emulation's pixel work beside SDL2 doing the same on the same 640 x 480
// 8-bit pictures: colour fill, keyed copy, stretched copy, conversion for presentation.
#include "platform/ddraw.h"
#include "platform/platform_reset.h"
#include "platform/host/convert.h"
#include "platform/host/host.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

constexpr int width = 640;
constexpr int height = 480;
constexpr std::uint8_t key = 253;

// A sprite-like picture: runs of solid colour between runs of the transparent key, about
// half of each, the same bytes for both sides.
const std::vector<std::uint8_t>& sprite_picture(int w, int h) {
    static std::vector<std::uint8_t> pixels;
    static int made_w = 0, made_h = 0;
    if (made_w == w && made_h == h) return pixels;
    pixels.assign(static_cast<size_t>(w) * h, 0);
    std::mt19937 random(12345);
    for (int y = 0; y < h; ++y) {
        int x = 0;
        bool solid = (y & 1) != 0;
        while (x < w) {
            int run = 1 + static_cast<int>(random() % 40);
            for (int i = 0; i < run && x < w; ++i, ++x)
                pixels[static_cast<size_t>(y) * w + x] =
                    solid ? static_cast<std::uint8_t>(random() % 250) : key;
            solid = !solid;
        }
    }
    made_w = w;
    made_h = h;
    return pixels;
}

// Our side: a DirectDraw object in the normal level and 8-bit off-screen surfaces.
struct Ours {
    IDirectDraw7* dd = nullptr;

    Ours() {
        platform_reset();
        DirectDrawCreateEx(nullptr, reinterpret_cast<void**>(&dd), IID_IDirectDraw7, nullptr);
        dd->SetCooperativeLevel(nullptr, DDSCL_NORMAL);
    }
    ~Ours() { dd->Release(); }

    IDirectDrawSurface7* surface(int w, int h, const std::vector<std::uint8_t>* picture) {
        DDSURFACEDESC2 desc = {};
        desc.dwSize = 124;
        desc.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
        desc.dwWidth = static_cast<DWORD>(w);
        desc.dwHeight = static_cast<DWORD>(h);
        desc.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
        IDirectDrawSurface7* created = nullptr;
        dd->CreateSurface(&desc, &created, nullptr);
        if (picture) {
            DDSURFACEDESC2 lock = {};
            created->Lock(nullptr, &lock, DDLOCK_WAIT, nullptr);
            for (int y = 0; y < h; ++y)
                std::memcpy(static_cast<std::uint8_t*>(lock.lpSurface) + y * lock.lPitch,
                            picture->data() + static_cast<size_t>(y) * w, w);
            created->Unlock(nullptr);
            DDCOLORKEY color_key = {key, key};
            created->SetColorKey(DDCKEY_SRCBLT, &color_key);
        }
        return created;
    }
};

SDL_Surface* sdl_surface(int w, int h, const std::vector<std::uint8_t>* picture) {
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, w, h, 8, SDL_PIXELFORMAT_INDEX8);
    SDL_Color colors[256];
    for (int i = 0; i < 256; ++i)
        colors[i] = {static_cast<Uint8>(i), static_cast<Uint8>(255 - i), static_cast<Uint8>(i * 7),
                     255};
    SDL_SetPaletteColors(surface->format->palette, colors, 0, 256);
    if (picture)
        for (int y = 0; y < h; ++y)
            std::memcpy(static_cast<std::uint8_t*>(surface->pixels) + y * surface->pitch,
                        picture->data() + static_cast<size_t>(y) * w, w);
    return surface;
}

void count_pixels(benchmark::State& state, long pixels) {
    state.SetItemsProcessed(state.iterations() * pixels);
}

// Colour fill of the whole screen.

void BM_Fill_Ours(benchmark::State& state) {
    Ours ours;
    IDirectDrawSurface7* surface = ours.surface(width, height, nullptr);
    DDBLTFX fx = {};
    fx.dwSize = 100;
    for (auto _ : state) {
        fx.dwFillColor = (fx.dwFillColor + 1) & 0xFF;
        surface->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
    surface->Release();
}
BENCHMARK(BM_Fill_Ours);

void BM_Fill_SdlFillRect(benchmark::State& state) {
    SDL_Surface* surface = sdl_surface(width, height, nullptr);
    Uint32 color = 0;
    for (auto _ : state) {
        color = (color + 1) & 0xFF;
        SDL_FillRect(surface, nullptr, color);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
    SDL_FreeSurface(surface);
}
BENCHMARK(BM_Fill_SdlFillRect);

void BM_Fill_Memset(benchmark::State& state) {
    std::vector<std::uint8_t> pixels(static_cast<size_t>(width) * height);
    int color = 0;
    for (auto _ : state) {
        color = (color + 1) & 0xFF;
        std::memset(pixels.data(), color, pixels.size());
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
}
BENCHMARK(BM_Fill_Memset);

// Copy of a sprite-like picture leaving out its colour key.

void BM_KeyedCopy_Ours(benchmark::State& state) {
    Ours ours;
    IDirectDrawSurface7* source = ours.surface(width, height, &sprite_picture(width, height));
    IDirectDrawSurface7* dest = ours.surface(width, height, nullptr);
    for (auto _ : state) {
        dest->Blt(nullptr, source, nullptr, DDBLT_KEYSRC | DDBLT_WAIT, nullptr);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
    source->Release();
    dest->Release();
}
BENCHMARK(BM_KeyedCopy_Ours);

void BM_KeyedCopy_SdlBlitSurface(benchmark::State& state) {
    SDL_Surface* source = sdl_surface(width, height, &sprite_picture(width, height));
    SDL_Surface* dest = sdl_surface(width, height, nullptr);
    SDL_SetColorKey(source, SDL_TRUE, key);
    for (auto _ : state) {
        SDL_BlitSurface(source, nullptr, dest, nullptr);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
    SDL_FreeSurface(source);
    SDL_FreeSurface(dest);
}
BENCHMARK(BM_KeyedCopy_SdlBlitSurface);

// Stretch of a 320 x 240 picture to the whole screen.

void BM_Stretch_Ours(benchmark::State& state) {
    Ours ours;
    IDirectDrawSurface7* source =
        ours.surface(width / 2, height / 2, &sprite_picture(width / 2, height / 2));
    IDirectDrawSurface7* dest = ours.surface(width, height, nullptr);
    for (auto _ : state) {
        dest->Blt(nullptr, source, nullptr, DDBLT_WAIT, nullptr);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
    source->Release();
    dest->Release();
}
BENCHMARK(BM_Stretch_Ours);

void BM_Stretch_SdlSoftStretch(benchmark::State& state) {
    SDL_Surface* source =
        sdl_surface(width / 2, height / 2, &sprite_picture(width / 2, height / 2));
    SDL_Surface* dest = sdl_surface(width, height, nullptr);
    for (auto _ : state) {
        SDL_SoftStretch(source, nullptr, dest, nullptr);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
    SDL_FreeSurface(source);
    SDL_FreeSurface(dest);
}
BENCHMARK(BM_Stretch_SdlSoftStretch);

// SDL2 has no stretched blit with a colour key at 8 bits; this one stands alone.
void BM_StretchKeyed_Ours(benchmark::State& state) {
    Ours ours;
    IDirectDrawSurface7* source =
        ours.surface(width / 2, height / 2, &sprite_picture(width / 2, height / 2));
    IDirectDrawSurface7* dest = ours.surface(width, height, nullptr);
    for (auto _ : state) {
        dest->Blt(nullptr, source, nullptr, DDBLT_KEYSRC | DDBLT_WAIT, nullptr);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
    source->Release();
    dest->Release();
}
BENCHMARK(BM_StretchKeyed_Ours);

// Conversion of one 8-bit frame to 32-bit ARGB for presentation.

void BM_Convert_Ours(benchmark::State& state) {
    const std::vector<std::uint8_t>& pixels = sprite_picture(width, height);
    HostColor palette[256];
    for (int i = 0; i < 256; ++i)
        palette[i] = {static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(255 - i),
                      static_cast<std::uint8_t>(i * 7), 0};
    VideoPicture picture = {pixels.data(), width, width, height, 8, palette};
    std::vector<std::uint32_t> out(static_cast<size_t>(width) * height);
    for (auto _ : state) {
        convert_picture_to_argb(&picture, out.data(), width);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
}
BENCHMARK(BM_Convert_Ours);

void BM_Convert_SdlConvertSurfaceFormat(benchmark::State& state) {
    SDL_Surface* source = sdl_surface(width, height, &sprite_picture(width, height));
    for (auto _ : state) {
        SDL_Surface* converted = SDL_ConvertSurfaceFormat(source, SDL_PIXELFORMAT_ARGB8888, 0);
        benchmark::DoNotOptimize(converted);
        SDL_FreeSurface(converted);
    }
    count_pixels(state, width * height);
    SDL_FreeSurface(source);
}
BENCHMARK(BM_Convert_SdlConvertSurfaceFormat);

// SDL's conversion without the allocation: a blit into a 32-bit surface made once.
void BM_Convert_SdlBlitToArgb(benchmark::State& state) {
    SDL_Surface* source = sdl_surface(width, height, &sprite_picture(width, height));
    SDL_Surface* dest =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
    for (auto _ : state) {
        SDL_BlitSurface(source, nullptr, dest, nullptr);
        benchmark::ClobberMemory();
    }
    count_pixels(state, width * height);
    SDL_FreeSurface(source);
    SDL_FreeSurface(dest);
}
BENCHMARK(BM_Convert_SdlBlitToArgb);

} // namespace

BENCHMARK_MAIN();
