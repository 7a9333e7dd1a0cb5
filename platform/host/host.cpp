// The target in use: the build's choice until a test puts the platform on another.
#include "platform/host/host.h"

namespace {

const Host* Chosen = nullptr;

} // namespace

const Host* host() {
    if (!Chosen) Chosen = host_of_build();
    return Chosen;
}

void host_use(const Host* target) {
    Chosen = target;
}
