// Message boxes, for a program without a desktop to show them on: the text goes to the
// standard error stream, one line, and the box counts as answered at once.
#include "platform/win32.h"

#include <cstdio>
#include <cstring>

int MessageBoxA(HWND window, LPCSTR text, LPCSTR caption, UINT type) {
    (void)window, (void)caption, (void)type;
    if (!text) text = "";
    std::fputs(text, stderr);
    std::size_t length = std::strlen(text);
    if (length == 0 || text[length - 1] != '\n') std::fputc('\n', stderr);
    std::fflush(stderr);
    return IDOK;
}
