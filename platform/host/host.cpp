// The host in use: the build's choice, found by name in its table and checked once, until
// a test puts the platform on another.
#include "platform/host/host.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const Host* Chosen = nullptr;

} // namespace

const Host* host() {
    if (Chosen) return Chosen;
    const Host* target = host_of_build();
    // A host without what everything above needs is a fault of the build: said plainly at
    // start-up rather than met as a null call in the middle of a frame.
    if (const char* missing = host_missing_entry(target)) {
        std::fprintf(stderr, "The %s host has no %s entry and cannot run.\n",
                     target && target->name ? target->name : "chosen", missing);
        std::exit(1);
    }
    Chosen = target;
    return Chosen;
}

int host_use(const Host* target) {
    if (const char* missing = target ? host_missing_entry(target) : nullptr) {
        std::fprintf(stderr, "The %s host has no %s entry: not used.\n",
                     target->name ? target->name : "unnamed", missing);
        return 0;
    }
    Chosen = target;
    return 1;
}

const char* host_missing_entry(const Host* target) {
    if (!target) return "record";
    if (!target->name || !*target->name) return "name";
    if (!target->set_mode) return "set_mode";
    if (!target->present) return "present";
    if (!target->ticks) return "ticks";
    return nullptr;
}

const Host* host_named(const HostEntry* table, int count, const char* name) {
    if (count <= 0) return nullptr;
    if (!name || !*name) return table[0]();
    for (int i = 0; i < count; ++i) {
        const Host* target = table[i]();
        if (target && target->name && std::strcmp(target->name, name) == 0) return target;
    }
    std::fprintf(stderr, "BRAMBLELEAP_HOST=%s names no host of this build (", name);
    for (int i = 0; i < count; ++i) {
        const Host* target = table[i]();
        std::fprintf(stderr, "%s%s", i ? ", " : "", target && target->name ? target->name : "?");
    }
    const Host* first = table[0]();
    std::fprintf(stderr, "): using %s\n", first && first->name ? first->name : "the first");
    return first;
}
