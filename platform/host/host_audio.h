// The audio output a host gives the platform's mixer: where the mixed stream goes. SDL's audio
// device on Linux, Web Audio in the browser, and a recorder without a device for tests.
#pragma once

#include <cstdint>

// The stream's format, whatever the output: 16-bit signed stereo at this rate.
constexpr int AUDIO_OUTPUT_RATE = 44100;

// Fills `frames` interleaved stereo frames; called by the output, possibly on its own thread.
using AudioMixFunction = void (*)(std::int16_t* out, int frames);

struct AudioOutput {
    const char* name;
    // Starts pulling the stream from `mix`; on failure returns 0 and writes the reason.
    int (*open)(AudioMixFunction mix, char* error, int error_size);
    void (*close)();
    // Brings the stream up to the present before a buffer changes, where the output mixes
    // on the caller's thread (the recorder, on the virtual clock); null where it does not.
    void (*catch_up)();
    // Acts on device changes reported since the last call, on the program's thread, once a
    // pass of its message loop (the browser also rests its output there while its page is
    // hidden); null where there is nothing to do.
    void (*service)();
};

// What an output tells the sound side, from any thread, through the record the sound side
// registered (audio_output_listen); the host calls nothing of the sound side by name. The
// device went away: sounds go on in silence and the player is told once. A device is back:
// whatever played on while it was away is moved on by the frames it missed (0 where the
// output went on mixing meanwhile). For an output that stops pulling while nothing would be
// heard: what plays on in silence is moved on by that many frames, and `heard` says whether
// any playing buffer would be heard now.
struct AudioOutputEvents {
    void (*lost)();
    void (*back)(std::uint64_t missed_frames);
    void (*skip)(std::uint64_t frames);
    int (*heard)();
};
// Registers the sound side's record (null: none; the events are then dropped and nothing is
// heard).
void audio_output_listen(const AudioOutputEvents* events);
void audio_output_lost();
void audio_output_back(std::uint64_t missed_frames);
void audio_output_skip(std::uint64_t frames);
int audio_output_heard();

// What the message pump tells the sound side, which sits above it, through the record the
// sound side registered (audio_window_listen): the window's focus (buffers made without
// DSBCAPS_GLOBALFOCUS are heard only with it), and each pass, so that a device that went
// away or came back is dealt with on the program's thread.
struct AudioWindowEvents {
    void (*focus)(int focused);
    void (*pass)();
};
// Registers the sound side's record (null: none) and tells it at once whether the window has
// the focus, which is kept here, so that a sound side started after the window learns it.
void audio_window_listen(const AudioWindowEvents* events);
void audio_window_focus(int focused);
// Whether the window had the focus when last told (1 until told otherwise).
int audio_window_focused();
void audio_pump();
