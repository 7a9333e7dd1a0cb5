// Web Audio pulls the mixed stream on the page's thread: a script processor node asks for a
// block at a time and copies it into its two channels. Browsers hold a page's sound until the
// player first presses a key, touches or clicks, so the context resumes then.
#include "platform/host/web/web_audio.h"

#include <emscripten.h>

#include <cstdio>

namespace {

constexpr int BLOCK_FRAMES = 2048;

AudioMixFunction Mix = nullptr;
// Filled by the mixer for the page's script; never allocated while sound plays.
std::int16_t Block[BLOCK_FRAMES * 2];

// The context, its node, and the loudest sample the page has received (for the tests).
EM_JS(int, web_audio_start, (int rate, int frames), {
    var Context = window.AudioContext || window.webkitAudioContext;
    if (!Context) return 0;
    var context;
    try {
        context = new Context({sampleRate : rate});
    } catch (e) {
        return 0;
    }
    var node = context.createScriptProcessor(frames, 0, 2);
    var audio = {context : context, node : node, peak : 0, blocks : 0};
    node.onaudioprocess = function(event) {
        if (!Module["_web_audio_pull"]) return;
        var at = Module["_web_audio_pull"](frames) >> 1;
        var left = event.outputBuffer.getChannelData(0);
        var right = event.outputBuffer.getChannelData(1);
        var n = Math.min(frames, left.length);
        for (var i = 0; i < n; i++) {
            var l = HEAP16[at + 2 * i];
            var r = HEAP16[at + 2 * i + 1];
            left[i] = l / 32768;
            right[i] = r / 32768;
            var loudest = Math.max(Math.abs(l), Math.abs(r));
            if (loudest > audio.peak) audio.peak = loudest;
        }
        audio.blocks++;
    };
    node.connect(context.destination);
    var resume = function() {
        if (context.state != "running") context.resume();
    };
    [ "keydown", "mousedown", "touchstart", "pointerdown" ].forEach(
        function(type) { window.addEventListener(type, resume, true); });
    resume();
    Module["brambleleapAudio"] = audio;
    return 1;
});

EM_JS(void, web_audio_stop, (), {
    var audio = Module["brambleleapAudio"];
    if (!audio) return;
    audio.node.onaudioprocess = null;
    audio.node.disconnect();
    audio.context.close();
});

int open_page_audio(AudioMixFunction mix, char* error, int error_size) {
    Mix = mix;
    if (!web_audio_start(AUDIO_OUTPUT_RATE, BLOCK_FRAMES)) {
        std::snprintf(error, error_size, "the page has no Web Audio");
        Mix = nullptr;
        return 0;
    }
    return 1;
}

void close_page_audio() {
    web_audio_stop();
    Mix = nullptr;
}

AudioBackend Backend = {"Web Audio", open_page_audio, close_page_audio, nullptr};

} // namespace

// The page's script asks for each block here; silence once the sound has closed.
extern "C" EMSCRIPTEN_KEEPALIVE std::int16_t* web_audio_pull(int frames) {
    if (frames > BLOCK_FRAMES) frames = BLOCK_FRAMES;
    if (Mix)
        Mix(Block, frames);
    else
        for (int i = 0; i < frames * 2; ++i)
            Block[i] = 0;
    return Block;
}

AudioBackend* web_audio_backend() {
    return &Backend;
}
