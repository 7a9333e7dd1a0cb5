// The system's own Windows declarations, as the Windows target's files take them: lean, and
// without the min and max macros that would hide the standard library's.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
