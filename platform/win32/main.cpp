// The process entry: hands over to the program's WinMain as Windows would.
#include "platform/video/video.h"
#include "platform/win32.h"

namespace {

// The program's instance handle: any stable, non-null value identifies it.
char ProgramImage;

} // namespace

int main() {
    char empty[] = "";
    int code = WinMain(reinterpret_cast<HINSTANCE>(&ProgramImage), nullptr, empty, SW_SHOWNORMAL);
    // As when a Windows process ends, its window goes with it.
    video_backend()->close_window();
    return code;
}
