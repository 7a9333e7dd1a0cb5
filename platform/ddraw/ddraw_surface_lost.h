// Lost surfaces: the memory that DirectDraw takes back when another program takes the display,
// and giving it back (IsLost, Restore, RestoreAllSurfaces).
#pragma once

#include "platform/ddraw.h"

// Restores every live surface; DDERR_WRONGMODE while the display is away.
HRESULT ddraw_restore_all_surfaces();
