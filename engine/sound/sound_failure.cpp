// Logging a failed DirectSound call of the sound module.
#include "engine/sound/sound_failure.h"

#include "engine/display/error_log.h"

bool sound_call_failed(HRESULT result, const char* call) {
    if (SUCCEEDED(result)) return false;
    write_error_log("\nSound: %s failed (0x%08X); the sound stays silent.", call,
                    static_cast<unsigned>(result));
    return true;
}
