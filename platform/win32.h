// The subset of the Windows user interface and kernel that the game calls, under the
// published names, types and values, provided on Linux over the host (platform/host/).
#pragma once

#ifdef _WIN32
// The Windows build takes the system's own declarations; only this header and its two
// siblings choose between them and the Linux platform's.
// GDI's Polygon function would hide the engine's polygon record of the same name; the
// engine fills its own polygons and never calls it, so it is declared under another name.
#define Polygon gdi_polygon_unused
#include "platform/host/windows/windows_system.h"
#undef Polygon

#include <cstddef>
#include <cstdint>
#include <cstdio>

// Why the last failed window call failed, in the system's words; "" if none.
inline const char* platform_last_error() {
    static char text[256];
    const DWORD code = GetLastError();
    text[0] = '\0';
    if (code == 0) return text;
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, code, 0, text, sizeof(text), nullptr);
    // The system's message ends in a line break, which the caller's line already has.
    DWORD end = length;
    while (end > 0 && (text[end - 1] == '\n' || text[end - 1] == '\r' || text[end - 1] == ' '))
        --end;
    text[end] = '\0';
    if (end == 0) std::snprintf(text, sizeof(text), "error %lu", static_cast<unsigned long>(code));
    return text;
}

// A program that polls GetTickCount to a deadline calls this first, so that it sleeps most of
// the wait instead of spinning through it; the poll then ends on the very tick as before.
// The project's host rests on a fine timer. Over the system's own DirectDraw the sleep
// keeps clear of the system's coarse timer (about 15.6 ms): it ends that much early.
#ifdef BRAMBLELEAP_OWN_DDRAW
void platform_rest_until(DWORD deadline);
#else
inline void platform_rest_until(DWORD deadline) {
    constexpr LONG TIMER_GRAIN_MS = 16;
    const auto left = static_cast<LONG>(deadline - GetTickCount());
    if (left > TIMER_GRAIN_MS) Sleep(static_cast<DWORD>(left - TIMER_GRAIN_MS));
}
#endif
#else

#include <cstddef>
#include <cstdint>

#define WINAPI
#define CALLBACK
#define APIENTRY

typedef int BOOL;
typedef unsigned char BYTE;
typedef unsigned short WORD;
typedef std::uint32_t DWORD;
typedef DWORD* LPDWORD;
typedef std::int32_t LONG;
typedef unsigned int UINT;
typedef std::uint16_t ATOM;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef void* LPVOID;
typedef std::uintptr_t WPARAM;
typedef std::intptr_t LPARAM;
typedef std::intptr_t LRESULT;
typedef std::int32_t HRESULT;
typedef DWORD COLORREF;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

// Handles are opaque pointers to platform-private records.
struct HWND__;
struct HINSTANCE__;
struct HICON__;
struct HBRUSH__;
struct HDC__;
struct HMENU__;
struct HGDIOBJ__;
typedef HWND__* HWND;
typedef HINSTANCE__* HINSTANCE;
typedef HICON__* HICON;
typedef HICON HCURSOR;
typedef HBRUSH__* HBRUSH;
typedef HDC__* HDC;
typedef HMENU__* HMENU;
typedef void* HGDIOBJ;

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct RECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
};
typedef RECT* LPRECT;

struct POINT {
    LONG x;
    LONG y;
};
typedef POINT* LPPOINT;

struct SIZE {
    LONG cx;
    LONG cy;
};
typedef SIZE* LPSIZE;

// A display mode, as far as the desktop's size and depth go.
struct DEVMODEA {
    WORD dmSize;
    DWORD dmFields;
    DWORD dmBitsPerPel;
    DWORD dmPelsWidth;
    DWORD dmPelsHeight;
};
#define DM_BITSPERPEL 0x00040000L
#define DM_PELSWIDTH 0x00080000L
#define DM_PELSHEIGHT 0x00100000L
#define CDS_FULLSCREEN 0x00000004
#define DISP_CHANGE_SUCCESSFUL 0
#define DISP_CHANGE_BADMODE (-2)
#define ENUM_CURRENT_SETTINGS (static_cast<DWORD>(-1))

struct MSG {
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};
typedef MSG* LPMSG;

struct WNDCLASSEXA {
    UINT cbSize;
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HICON hIcon;
    HCURSOR hCursor;
    HBRUSH hbrBackground;
    LPCSTR lpszMenuName;
    LPCSTR lpszClassName;
    HICON hIconSm;
};
typedef WNDCLASSEXA WNDCLASSEX;

struct PALETTEENTRY {
    BYTE peRed;
    BYTE peGreen;
    BYTE peBlue;
    BYTE peFlags;
};
typedef PALETTEENTRY* LPPALETTEENTRY;

#define PC_RESERVED 0x01
#define PC_EXPLICIT 0x02
#define PC_NOCOLLAPSE 0x04

struct PAINTSTRUCT {
    HDC hdc;
    BOOL fErase;
    RECT rcPaint;
    BOOL fRestore;
    BOOL fIncUpdate;
    BYTE rgbReserved[32];
};

// The bitmap file's two headers, packed as they stand in the file.
#pragma pack(push, 1)
struct BITMAPFILEHEADER {
    WORD bfType;
    DWORD bfSize;
    WORD bfReserved1;
    WORD bfReserved2;
    DWORD bfOffBits;
};
struct BITMAPINFOHEADER {
    DWORD biSize;
    LONG biWidth;
    LONG biHeight;
    WORD biPlanes;
    WORD biBitCount;
    DWORD biCompression;
    DWORD biSizeImage;
    LONG biXPelsPerMeter;
    LONG biYPelsPerMeter;
    DWORD biClrUsed;
    DWORD biClrImportant;
};
#pragma pack(pop)
static_assert(sizeof(BITMAPFILEHEADER) == 14 && sizeof(BITMAPINFOHEADER) == 40);
#define BI_RGB 0
#define BI_RLE8 1
#define BI_RLE4 2
#define BI_BITFIELDS 3

#define MAKEINTRESOURCEA(i)                                                                        \
    (reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(static_cast<WORD>(i))))
#define MAKEINTRESOURCE MAKEINTRESOURCEA
#define LOWORD(l) (static_cast<WORD>(static_cast<std::uintptr_t>(l) & 0xFFFF))
#define HIWORD(l) (static_cast<WORD>((static_cast<std::uintptr_t>(l) >> 16) & 0xFFFF))
#define MAKELPARAM(lo, hi)                                                                         \
    (static_cast<LPARAM>((static_cast<DWORD>(static_cast<WORD>(lo))) |                             \
                         (static_cast<DWORD>(static_cast<WORD>(hi)) << 16)))
#define RGB(r, g, b)                                                                               \
    (static_cast<COLORREF>(static_cast<BYTE>(r) | (static_cast<WORD>(static_cast<BYTE>(g)) << 8) | \
                           (static_cast<DWORD>(static_cast<BYTE>(b)) << 16)))

// Window messages.
#define WM_CREATE 0x0001
#define WM_DESTROY 0x0002
#define WM_PAINT 0x000F
#define WM_CLOSE 0x0010
#define WM_QUIT 0x0012
#define WM_KEYDOWN 0x0100
#define WM_KEYUP 0x0101
#define WM_CHAR 0x0102
#define WM_MOUSEMOVE 0x0200
#define WM_LBUTTONDOWN 0x0201
#define WM_LBUTTONUP 0x0202
#define WM_RBUTTONDOWN 0x0204
#define WM_RBUTTONUP 0x0205
#define WM_MBUTTONDOWN 0x0207
#define WM_MBUTTONUP 0x0208
#define WM_MOUSEWHEEL 0x020A

// Mouse messages: which buttons and modifiers are held, in wParam's low word; the wheel's
// turn in its high word, in steps of WHEEL_DELTA per notch.
#define MK_LBUTTON 0x0001
#define MK_RBUTTON 0x0002
#define MK_SHIFT 0x0004
#define MK_CONTROL 0x0008
#define MK_MBUTTON 0x0010
#define WHEEL_DELTA 120
#define GET_WHEEL_DELTA_WPARAM(w) (static_cast<short>(HIWORD(w)))
#define GET_KEYSTATE_WPARAM(w) (LOWORD(w))

// Class styles, window styles.
#define CS_VREDRAW 0x0001
#define CS_HREDRAW 0x0002
#define CS_DBLCLKS 0x0008
#define CS_OWNDC 0x0020
#define WS_OVERLAPPED 0x00000000L
#define WS_POPUP 0x80000000L
#define WS_VISIBLE 0x10000000L
#define WS_CAPTION 0x00C00000L
#define WS_SYSMENU 0x00080000L
#define WS_OVERLAPPEDWINDOW 0x00CF0000L

#define PM_NOREMOVE 0x0000
#define PM_REMOVE 0x0001
#define SW_SHOWNORMAL 1
#define BLACK_BRUSH 4
#define WHITE_BRUSH 0

#include "platform/host/virtual_keys.h"

// Window classes and the window.
ATOM RegisterClassExA(const WNDCLASSEXA* wc);
HWND CreateWindowExA(DWORD ex_style, LPCSTR class_name, LPCSTR title, DWORD style, int x, int y,
                     int width, int height, HWND parent, HMENU menu, HINSTANCE instance,
                     LPVOID param);
BOOL DestroyWindow(HWND window);
LRESULT DefWindowProcA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
BOOL GetWindowRect(HWND window, LPRECT rect);
BOOL GetClientRect(HWND window, LPRECT rect);
BOOL SetWindowPos(HWND window, HWND insert_after, int x, int y, int width, int height, UINT flags);
#define SWP_NOSIZE 0x0001
#define SWP_NOMOVE 0x0002
#define SWP_NOZORDER 0x0004
#define SWP_NOACTIVATE 0x0010
// Screen and client coordinates: the client area's top-left corner is the window's.
BOOL ClientToScreen(HWND window, LPPOINT point);
BOOL ScreenToClient(HWND window, LPPOINT point);

// The desktop's display mode, which a windowed DirectDraw program draws in: read it, or
// change its depth (or size) for as long as the program runs (CDS_FULLSCREEN); a null mode
// gives the desktop back its own.
BOOL EnumDisplaySettingsA(LPCSTR device, DWORD mode_number, DEVMODEA* mode);
LONG ChangeDisplaySettingsA(DEVMODEA* mode, DWORD flags);

// The thread's message queue.
BOOL PeekMessageA(LPMSG msg, HWND window, UINT filter_min, UINT filter_max, UINT remove);
BOOL PostMessageA(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
void PostQuitMessage(int exit_code);
BOOL TranslateMessage(const MSG* msg);
LRESULT DispatchMessageA(const MSG* msg);
HDC BeginPaint(HWND window, PAINTSTRUCT* paint);
BOOL EndPaint(HWND window, const PAINTSTRUCT* paint);

// Input, cursor, clock, resources.
std::int16_t GetAsyncKeyState(int virtual_key);
// The mouse's position in screen coordinates, as of the last message pump.
BOOL GetCursorPos(LPPOINT point);
int ShowCursor(BOOL show);
DWORD GetTickCount();
// Rests the processor until GetTickCount reaches `deadline` (see the Windows side above).
void platform_rest_until(DWORD deadline);
HICON LoadIconA(HINSTANCE instance, LPCSTR name);
HCURSOR LoadCursorA(HINSTANCE instance, LPCSTR name);
HGDIOBJ GetStockObject(int object);
// Why the last failed window call failed (window creation, class registration); "" if none.
const char* platform_last_error();

// A message the player must see before the program ends; here it goes to the standard
// error stream, where a program started from a terminal shows it.
#define MB_OK 0x00000000L
#define MB_ICONERROR 0x00000010L
#define IDOK 1
int MessageBoxA(HWND window, LPCSTR text, LPCSTR caption, UINT type);
#define MessageBox MessageBoxA

#define PeekMessage PeekMessageA
#define PostMessage PostMessageA
#define DispatchMessage DispatchMessageA
#define DefWindowProc DefWindowProcA
#define RegisterClassEx RegisterClassExA
#define CreateWindowEx CreateWindowExA
#define LoadIcon LoadIconA
#define LoadCursor LoadCursorA
#define EnumDisplaySettings EnumDisplaySettingsA
#define ChangeDisplaySettings ChangeDisplaySettingsA
typedef DEVMODEA DEVMODE;

// The program's entry point, called by the platform's main.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR command_line, int show);
#endif
