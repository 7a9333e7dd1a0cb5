// The build's targets, its default first: a new target is its folder under host/, its line in
// platform/CMakeLists.txt and its line here.
#include "platform/host/host.h"
#ifdef __EMSCRIPTEN__
#include "platform/host/web/web_backend.h"
#elif defined(_WIN32)
#include "platform/host/win32/win32_backend.h"
#else
#include "platform/host/headless/headless.h"
#include "platform/host/sdl/sdl_backend.h"
#endif

#include <cstdlib>
#include <iterator>

namespace {

const HostEntry BUILD_HOSTS[] = {
#ifdef __EMSCRIPTEN__
    web_host,
#elif defined(_WIN32)
    win32_host,
#else
    sdl_host,
    headless_host,
#endif
};

} // namespace

const Host* host_of_build() {
    return host_named(BUILD_HOSTS, static_cast<int>(std::size(BUILD_HOSTS)),
                      std::getenv("BRAMBLELEAP_HOST"));
}
