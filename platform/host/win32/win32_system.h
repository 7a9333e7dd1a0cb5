// The system's own Windows headers, as the Windows presenter takes them: without the min and
// max macros and the rarely used parts (defined alike wherever the platform includes them).
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
