// Unicode code points to Windows-1252: Latin-1 except for the printable characters that the
// code page puts in 0x80 to 0x9F, where Latin-1 has control codes.
#include "platform/winapi/winapi_ansi.h"

namespace {

// Code points of bytes 0x80 to 0x9F; 0 where the code page leaves the byte unassigned.
constexpr int HIGH_CONTROLS[32] = {0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                   0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
                                   0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                   0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

int winapi_ansi_of(int code_point) {
    if (code_point >= 0 && code_point < 0x80) return code_point;
    if (code_point >= 0xA0 && code_point <= 0xFF) return code_point;
    if (code_point <= 0) return -1;
    for (int i = 0; i < 32; i++)
        if (HIGH_CONTROLS[i] == code_point) return 0x80 + i;
    return -1;
}
