// Failures injected into the DirectSound emulation, for sweeps that fail each call in turn:
// every call that can fail is counted from the last reset, and the one numbered for it fails.
#pragma once

// The call with this number (1 for the first) fails with DSERR_GENERIC; 0 fails none. Counting
// starts again from here.
void dsound_fail_call_number(int number);
// How many failable calls were made since the last dsound_fail_call_number.
int dsound_failable_calls();
// Counts one call; 1 when it is the one that must fail.
int dsound_call_fails();
