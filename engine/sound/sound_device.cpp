// The sound device's life: made with the window as its owner, let go at the end.
#include "engine/sound/sound.h"

#include "engine/display/error_log.h"
#include "engine/sound/music.h"

LPDIRECTSOUND8 sound_device = nullptr;

std::int32_t sound_init(HWND window) {
    if (sound_device) return 1;
    LPDIRECTSOUND8 device = nullptr;
    HRESULT result = DirectSoundCreate8(nullptr, &device, nullptr);
    if (FAILED(result)) {
        write_error_log("\nNo sound device (0x%08X): playing silently.",
                        static_cast<unsigned>(result));
        return 0;
    }
    // Priority level: the program's buffers are mixed as it asks, whatever else plays.
    result = device->SetCooperativeLevel(window, DSSCL_PRIORITY);
    if (FAILED(result)) {
        write_error_log("\nThe sound device refused its cooperative level (0x%08X): playing "
                        "silently.",
                        static_cast<unsigned>(result));
        device->Release();
        return 0;
    }
    sound_device = device;
    return 1;
}

std::int32_t sound_shutdown() {
    if (!sound_device) return 0;
    music_stop(); // its buffer goes before the device
    sound_device->Release();
    sound_device = nullptr;
    return 1;
}
