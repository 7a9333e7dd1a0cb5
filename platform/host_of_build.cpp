// The build's target: the browser's in a page, Windows's in the Windows program, and on
// Linux SDL's unless BRAMBLELEAP_HOST names the headless one.
#include "platform/host/host.h"
#ifdef __EMSCRIPTEN__
#include "platform/host/web/web_backend.h"
#elif defined(_WIN32)
#include "platform/host/win32/win32_backend.h"
#else
#include "platform/host/headless/headless.h"
#include "platform/host/sdl/sdl_backend.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#endif

const Host* host_of_build() {
#ifdef __EMSCRIPTEN__
    return web_host();
#elif defined(_WIN32)
    return win32_host();
#else
    const char* name = std::getenv("BRAMBLELEAP_HOST");
    if (!name || !*name || std::strcmp(name, "sdl") == 0) return sdl_host();
    if (std::strcmp(name, "headless") == 0) return headless_host();
    std::fprintf(stderr, "BRAMBLELEAP_HOST=%s names no target (sdl or headless): using sdl\n",
                 name);
    return sdl_host();
#endif
}
