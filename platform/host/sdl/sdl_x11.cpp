// Reads an SDL window's real size from the X server, through the X library that SDL has
// loaded already, so that the game links nothing of X itself.
#include "platform/host/sdl/sdl_x11.h"

#include <SDL_syswm.h>

#if defined(SDL_VIDEO_DRIVER_X11)

namespace {

using GetAttributes = int (*)(Display*, Window, XWindowAttributes*);

GetAttributes find_get_attributes() {
    static void* library = SDL_LoadObject("libX11.so.6");
    static GetAttributes get =
        library ? reinterpret_cast<GetAttributes>(SDL_LoadFunction(library, "XGetWindowAttributes"))
                : nullptr;
    return get;
}

} // namespace

int x11_window_size(SDL_Window* window, int* width, int* height) {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!window || !SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) return 0;
    GetAttributes get = find_get_attributes();
    XWindowAttributes attributes;
    if (!get || !get(info.info.x11.display, info.info.x11.window, &attributes)) return 0;
    if (attributes.width <= 0 || attributes.height <= 0) return 0;
    *width = attributes.width;
    *height = attributes.height;
    return 1;
}

#else

int x11_window_size(SDL_Window*, int*, int*) {
    return 0;
}

#endif
