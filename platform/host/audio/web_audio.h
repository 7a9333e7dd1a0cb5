// The mixed stream played in the page through Web Audio.
#pragma once

#include "platform/host/host_audio.h"

AudioOutput* web_audio_output();
