// The system DirectSound's interface identifiers that the engine asks for. This build cannot
// link them from dxguid, which also holds DirectDraw's, and our own DirectDraw defines those.
#include <initguid.h>

#include "platform/dsound.h"
