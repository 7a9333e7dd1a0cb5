// For tests: the whole platform put back as it was at start, on the headless host.
#pragma once

// Selects the headless host and clears the window classes, the window, the message queue,
// the key state and cursor counter, the screen's pending changes, the DirectDraw emulation's
// display state and injected failures, the script and the kept frames, and the sound
// recorder with its kept stream; controllers go back to the platform's own bindings, and
// the virtual clock starts again at 0.
void platform_reset();
