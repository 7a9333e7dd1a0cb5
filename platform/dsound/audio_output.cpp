// Which audio backend takes the mixed stream.
#include "platform/dsound/audio_output.h"

#include "platform/dsound/headless_audio.h"
#include "platform/video/headless/headless.h"
#include "platform/video/video.h"
#ifdef __EMSCRIPTEN__
#include "platform/dsound/web/web_audio.h"
#else
#include "platform/dsound/sdl/sdl_audio.h"
#endif

namespace {

AudioBackend* Chosen = nullptr;

} // namespace

AudioBackend* audio_backend() {
    if (Chosen) return Chosen;
    // Tests put the screen on the headless backend; the sound follows it onto the recorder.
    if (video_backend() == headless_video_backend()) return headless_audio_backend();
#ifdef __EMSCRIPTEN__
    return web_audio_backend();
#else
    return sdl_audio_backend();
#endif
}

void audio_use_backend(AudioBackend* backend) {
    Chosen = backend;
}
