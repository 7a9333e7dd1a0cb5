// Typed characters in the system's ANSI code page (Windows-1252), as WM_CHAR carries them.
#pragma once

// The code page's byte for a Unicode code point; -1 when the code page has no such character.
int winapi_ansi_of(int code_point);
