// The wrapped allocators: the linker sends the program's calls here, and __real_* reaches
// the C and C++ libraries' own functions.
#include "failing_allocations.h"

#include <cstddef>

namespace {

bool Armed = false;
int Counted = 0;
int FailingNumber = 0;

bool fail_this_one() {
    if (!Armed) return false;
    return ++Counted == FailingNumber;
}

} // namespace

void failing_allocations_arm(int failing_number) {
    Counted = 0;
    FailingNumber = failing_number;
    Armed = true;
}

int failing_allocations_disarm() {
    Armed = false;
    return Counted;
}

extern "C" {

void* __real_malloc(std::size_t size);
void* __real_calloc(std::size_t count, std::size_t size);
void* __real_realloc(void* block, std::size_t size);
// operator new(std::size_t, const std::nothrow_t&) and its array form, by their linker names.
void* __real__ZnwmRKSt9nothrow_t(std::size_t size, const void* tag);
void* __real__ZnamRKSt9nothrow_t(std::size_t size, const void* tag);

void* __wrap_malloc(std::size_t size) {
    return fail_this_one() ? nullptr : __real_malloc(size);
}

void* __wrap_calloc(std::size_t count, std::size_t size) {
    return fail_this_one() ? nullptr : __real_calloc(count, size);
}

// A failed realloc leaves the old block as it was, as the real one does.
void* __wrap_realloc(void* block, std::size_t size) {
    return fail_this_one() ? nullptr : __real_realloc(block, size);
}

void* __wrap__ZnwmRKSt9nothrow_t(std::size_t size, const void* tag) {
    return fail_this_one() ? nullptr : __real__ZnwmRKSt9nothrow_t(size, tag);
}

void* __wrap__ZnamRKSt9nothrow_t(std::size_t size, const void* tag) {
    return fail_this_one() ? nullptr : __real__ZnamRKSt9nothrow_t(size, tag);
}

} // extern "C"
