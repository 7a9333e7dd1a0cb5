// Kept where installed programs look for it: the system's own Windows headers, as the
// platform takes them on Windows (platform/host/windows/windows_system.h).
#pragma once

#include "platform/host/windows/windows_system.h"
