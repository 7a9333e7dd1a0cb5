// The process entry: hands over to the program's WinMain as Windows would.
#include "platform/host/host.h"
#include "platform/win32.h"
#include "platform/winapi/winapi_command_line.h"

#include <string>

namespace {

// The program's instance handle: any stable, non-null value identifies it.
char ProgramImage;

} // namespace

int main(int argc, char** argv) {
    std::string command_line = winapi_command_line(argc, argv);
    int code = WinMain(reinterpret_cast<HINSTANCE>(&ProgramImage), nullptr, command_line.data(),
                       SW_SHOWNORMAL);
    // As when a Windows process ends, its window goes with it.
    if (host()->close_window) host()->close_window();
    return code;
}
