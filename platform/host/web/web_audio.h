// The mixed stream played in the page through Web Audio.
#pragma once

#include "platform/dsound/audio_backend.h"

AudioBackend* web_audio_backend();
