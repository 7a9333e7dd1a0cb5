// Web Audio pulls the mixed stream on the page's thread: a script processor node asks for a
// block at a time and copies it into its two channels. Browsers hold a page's sound until the
// player first presses a key, touches or clicks, so the context resumes then. A hidden page
// with nothing to be heard suspends its context, so that it costs the processor nothing.
#include "platform/host/audio/web_audio.h"

#include <emscripten.h>

#include <cstdio>

namespace {

constexpr int BLOCK_FRAMES = 2048;

AudioMixFunction Mix = nullptr;
// Filled by the mixer for the page's script; never allocated while sound plays.
std::int16_t Block[BLOCK_FRAMES * 2];
// When the context last rested (performance.now()), or -1 while it plays.
double RestingSince = -1;

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
    // A context resting while the page is hidden is the pump's to resume (web_audio_rest).
    var resume = function() {
        if (context.state != "running" && !audio.resting) context.resume();
    };
    [ "keydown", "mousedown", "touchstart", "pointerdown" ].forEach(
        function(type) { window.addEventListener(type, resume, true); });
    // A context that played and then stops (suspended, or "interrupted" by a call on a phone)
    // is a device gone away; running again, it is back, and the sounds move on by the time
    // it was away. A context still waiting for the player's first key was never running.
    audio.played = false;
    audio.lost = false;
    audio.lostAt = 0;
    audio.losses = 0;
    context.onstatechange = function() {
        if (context.state == "running") {
            if (audio.lost) {
                audio.lost = false;
                Module["_web_audio_back"](
                    Math.max(0, Math.round(performance.now() - audio.lostAt)));
            }
            audio.played = true;
        } else if (context.state != "closed" && audio.played && !audio.lost && !audio.resting) {
            audio.lost = true;
            audio.losses++;
            audio.lostAt = performance.now();
            Module["_web_audio_lost"]();
        }
    };
    document.addEventListener(
        "visibilitychange", function() {
            if (document.visibilityState == "visible") resume();
        });
    resume();
    Module["brambleleapAudio"] = audio;
    return 1;
});

// Suspends the context while the page is hidden and nothing playing would be heard, so that
// neither the audio thread nor the node wakes the page; resumes it otherwise. 1 while resting.
EM_JS(int, web_audio_rest, (int heard), {
    var audio = Module["brambleleapAudio"];
    if (!audio) return 0;
    var rest = document.hidden && !heard;
    if (rest && !audio.resting && audio.context.state == "running") {
        audio.resting = true;
        audio.context.suspend();
    } else if (!rest && audio.resting) {
        audio.resting = false;
        audio.context.resume();
    }
    return audio.resting ? 1 : 0;
});

EM_JS(void, web_audio_stop, (), {
    var audio = Module["brambleleapAudio"];
    if (!audio) return;
    audio.context.onstatechange = null;
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
    RestingSince = -1;
}

// What plays on in silence while the context rests is moved on here, a pass at a time, by
// the time that went by: on Windows such buffers keep playing unheard.
void rest_page_audio() {
    if (!Mix) return;
    if (!web_audio_rest(audio_output_heard())) {
        RestingSince = -1;
        return;
    }
    double now = emscripten_get_now();
    if (RestingSince >= 0) {
        auto frames = static_cast<std::uint64_t>((now - RestingSince) * AUDIO_OUTPUT_RATE / 1000);
        audio_output_skip(frames);
        // The fraction of a frame left over is carried to the next pass.
        now = RestingSince + static_cast<double>(frames) * 1000 / AUDIO_OUTPUT_RATE;
    }
    RestingSince = now;
}

AudioOutput Backend = {"Web Audio", open_page_audio, close_page_audio, nullptr, rest_page_audio};

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

// The page's script reports its context stopping and running again (milliseconds away).
extern "C" EMSCRIPTEN_KEEPALIVE void web_audio_lost() {
    if (Mix) audio_output_lost();
}

extern "C" EMSCRIPTEN_KEEPALIVE void web_audio_back(int away_ms) {
    if (Mix && away_ms >= 0)
        audio_output_back(static_cast<std::uint64_t>(away_ms) * AUDIO_OUTPUT_RATE / 1000);
}

AudioOutput* web_audio_output() {
    return &Backend;
}
