// SDL's audio device pulls the mixed stream through a callback on its own thread; SDL
// converts it to whatever the device plays. Device changes come from SDL on other threads and
// are only noted there; the program's thread closes and reopens.
#include "platform/host/audio/sdl_audio.h"

#include <SDL.h>

#include <atomic>
#include <cstdio>

namespace {

int sdl_open(int rate, void (*pull)(void*, std::uint8_t*, int), char* error, int error_size) {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
        std::snprintf(error, error_size, "%s", SDL_GetError());
        return 0;
    }
    SDL_AudioSpec want{};
    want.freq = rate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    want.samples = 1024;
    want.callback = pull;
    SDL_AudioSpec have{};
    const SDL_AudioDeviceID device = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device == 0) {
        std::snprintf(error, error_size, "%s", SDL_GetError());
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return 0;
    }
    SDL_PauseAudioDevice(device, 0);
    return static_cast<int>(device);
}

void sdl_close(int device) {
    SDL_CloseAudioDevice(static_cast<SDL_AudioDeviceID>(device));
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::uint32_t sdl_ticks() {
    return SDL_GetTicks();
}

const SdlAudioCalls SdlCalls = {sdl_open, sdl_close, sdl_ticks};
const SdlAudioCalls* Calls = &SdlCalls;

struct Output {
    bool wanted; // a DirectSound object plays into this output
    int device;  // the open device, or 0 while there is none
    std::uint32_t lost_at;
    AudioMixFunction mix;
};
Output State{};
// Set from SDL's threads, taken by the program's.
std::atomic<int> RemovedDevice{0};
std::atomic<bool> DeviceAdded{false};

void SDLCALL pull(void*, std::uint8_t* stream, int length) {
    State.mix(reinterpret_cast<std::int16_t*>(stream), length / 4);
}

// SDL calls this as it queues each event, on the thread that queues it.
int SDLCALL watch_devices(void*, SDL_Event* event) {
    if (event->type == SDL_AUDIODEVICEREMOVED && !event->adevice.iscapture)
        sdl_audio_device_removed(static_cast<int>(event->adevice.which));
    else if (event->type == SDL_AUDIODEVICEADDED && !event->adevice.iscapture)
        sdl_audio_device_added();
    return 1;
}

int open_device(AudioMixFunction mix, char* error, int error_size) {
    State.mix = mix;
    RemovedDevice = 0;
    DeviceAdded = false;
    const int device = Calls->open(AUDIO_OUTPUT_RATE, pull, error, error_size);
    if (device == 0) return 0;
    State.device = device;
    State.wanted = true;
    if (Calls == &SdlCalls) {
        // Held while the output is wanted, so that SDL keeps watching for devices while the
        // one it played on is away.
        SDL_InitSubSystem(SDL_INIT_AUDIO);
        SDL_AddEventWatch(watch_devices, nullptr);
    }
    return 1;
}

void close_device() {
    if (!State.wanted) return;
    if (State.device != 0) Calls->close(State.device);
    if (Calls == &SdlCalls) {
        SDL_DelEventWatch(watch_devices, nullptr);
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    State = Output{};
}

AudioOutput Backend = {"SDL", open_device, close_device, nullptr, sdl_audio_service};

} // namespace

AudioOutput* sdl_audio_output() {
    return &Backend;
}

void sdl_audio_use_calls(const SdlAudioCalls* calls) {
    Calls = calls ? calls : &SdlCalls;
}

void sdl_audio_device_removed(int device) {
    RemovedDevice = device;
}

void sdl_audio_device_added() {
    DeviceAdded = true;
}

void sdl_audio_service() {
    if (!State.wanted) return;
    const int removed = RemovedDevice.exchange(0);
    if (removed != 0 && removed == State.device) {
        // The device's thread has stopped calling; closing it joins that thread.
        Calls->close(State.device);
        State.device = 0;
        State.lost_at = Calls->ticks();
        audio_output_lost();
    }
    if (!DeviceAdded.exchange(false) || State.device != 0) return;
    // Measured before the device starts: from then on its own thread moves the sounds on.
    const std::uint64_t away_ms = Calls->ticks() - State.lost_at;
    char reason[160] = "";
    const int device = Calls->open(AUDIO_OUTPUT_RATE, pull, reason, sizeof reason);
    // A device that cannot be opened yet is tried again when the next one is added.
    if (device == 0) return;
    State.device = device;
    audio_output_back(away_ms * AUDIO_OUTPUT_RATE / 1000);
}
