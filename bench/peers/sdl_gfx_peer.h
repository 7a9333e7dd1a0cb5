// SDL2_gfx's peer target: a software renderer on a memory surface, 8-bit with a grey ramp
// (grey c is index c, so colours compare with ours) or 32-bit.
#pragma once

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>

struct SdlGfxTarget {
    SDL_Surface* surface = nullptr;
    SDL_Renderer* renderer = nullptr;
};

// On failure the benchmark is skipped with SDL's reason and the target holds nothing.
inline bool open_sdl_gfx_target(SdlGfxTarget& target, int width, int height, int bpp,
                                benchmark::State& state) {
    const bool indexed = bpp == 8;
    target.surface =
        SDL_CreateRGBSurfaceWithFormat(0, width, height, indexed ? 8 : 32,
                                       indexed ? SDL_PIXELFORMAT_INDEX8 : SDL_PIXELFORMAT_ARGB8888);
    target.renderer = target.surface ? SDL_CreateSoftwareRenderer(target.surface) : nullptr;
    if (!target.renderer) {
        state.SkipWithError(SDL_GetError());
        SDL_FreeSurface(target.surface);
        target.surface = nullptr;
        return false;
    }
    if (indexed) {
        // SDL's default palette maps every colour to index 0, so nothing would show.
        SDL_Color greys[256];
        for (int i = 0; i < 256; ++i)
            greys[i] = {static_cast<Uint8>(i), static_cast<Uint8>(i), static_cast<Uint8>(i), 255};
        SDL_SetPaletteColors(target.surface->format->palette, greys, 0, 256);
    }
    return true;
}

// The grey of palette index c, as SDL2_gfx takes colours.
inline Uint32 sdl_gfx_grey(std::int32_t color) {
    return 0xFF000000u | static_cast<Uint32>(color & 0xFF) * 0x010101u;
}

// Skips the benchmark when the peer left its 8-bit surface all zero.
inline void require_sdl_gfx_drawing(const SdlGfxTarget& target, int height, const char* why,
                                    benchmark::State& state) {
    if (SDL_LockSurface(target.surface) != 0) return;
    const auto* pixels = static_cast<const std::uint8_t*>(target.surface->pixels);
    if (std::all_of(pixels, pixels + target.surface->pitch * height, [](auto p) { return p == 0; }))
        state.SkipWithError(why);
    SDL_UnlockSurface(target.surface);
}

inline void close_sdl_gfx_target(SdlGfxTarget& target) {
    SDL_DestroyRenderer(target.renderer);
    SDL_FreeSurface(target.surface);
    target = {};
}
