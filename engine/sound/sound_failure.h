// The sound module's one way of reporting a DirectSound call that failed: a line in the error
// log naming the call and its code, so that each failure is told once, where it happened.
#pragma once

#include "platform/dsound.h"

// Logs the failure when `result` failed; returns whether it did.
bool sound_call_failed(HRESULT result, const char* call);
