// The system's own Windows headers, as the Windows presenter takes them: without the min and
// max macros and the rarely used parts (defined alike wherever the platform includes them).
#pragma once

#define NOMINMAX
#define WIN32_LEAN_AND_MEAN
#include <windows.h>
