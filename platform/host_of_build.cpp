// The build's hosts, its default first: a new host is its folder under host/, its line in
// platform/CMakeLists.txt and its line here.
#include "platform/host/host.h"
#ifdef __EMSCRIPTEN__
#include "platform/host/web/web_host.h"
#elif defined(_WIN32)
#include "platform/host/windows/windows_host.h"
#else
#include "platform/host/headless/headless.h"
#include "platform/host/sdl/sdl_host.h"
#endif

#include <cstdlib>
#include <iterator>

namespace {

const HostEntry BUILD_HOSTS[] = {
#ifdef __EMSCRIPTEN__
    web_host,
#elif defined(_WIN32)
    windows_host,
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
