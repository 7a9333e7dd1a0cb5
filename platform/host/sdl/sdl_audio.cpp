// SDL's audio device pulls the mixed stream through a callback on its own thread; SDL
// converts it to whatever the device plays.
#include "platform/host/sdl/sdl_audio.h"

#include <SDL.h>

#include <cstdio>

namespace {

SDL_AudioDeviceID Device = 0;
AudioMixFunction Mix = nullptr;

void SDLCALL pull(void*, Uint8* stream, int length) {
    Mix(reinterpret_cast<std::int16_t*>(stream), length / 4);
}

int open_device(AudioMixFunction mix, char* error, int error_size) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::snprintf(error, error_size, "%s", SDL_GetError());
        return 0;
    }
    SDL_AudioSpec want{};
    want.freq = AUDIO_OUTPUT_RATE;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = pull;
    Mix = mix;
    SDL_AudioSpec have{};
    Device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (Device == 0) {
        std::snprintf(error, error_size, "%s", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    SDL_PauseAudioDevice(Device, 0);
    return 1;
}

void close_device() {
    if (Device == 0) return;
    SDL_CloseAudioDevice(Device);
    Device = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

AudioBackend Backend = {"SDL", open_device, close_device, nullptr};

} // namespace

AudioBackend* sdl_audio_backend() {
    return &Backend;
}
