// The counter behind injected DirectSound failures. Only the program's thread makes these
// calls; the mixer never does.
#include "platform/dsound/dsound_faults.h"

namespace {

int Counted = 0;
int FailingNumber = 0;

} // namespace

void dsound_fail_call_number(int number) {
    Counted = 0;
    FailingNumber = number;
}

int dsound_failable_calls() {
    return Counted;
}

int dsound_call_fails() {
    ++Counted;
    return FailingNumber > 0 && Counted == FailingNumber ? 1 : 0;
}
