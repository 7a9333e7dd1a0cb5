// Memory allocations that fail on purpose: while armed, every malloc, calloc, realloc and
// nothrow new made by the program's own code is counted, and the one with the chosen
// number returns null. The sweep's link wraps those functions; nothing else uses this.
#pragma once

// Counts from 0 again; the allocation with this number (1 for the first) fails, 0 for none.
void failing_allocations_arm(int failing_number);
// Stops counting and failing; returns the number of allocations counted while armed.
int failing_allocations_disarm();
