// Makes the README's screenshots: plays the real game on the headless backend with
// scripted keys and writes the menu, the first information screen and a moment of play
// as BMP files. Run it from the folder with the data files: capture_screens <out folder>.
#include "platform/host/headless/headless.h"
#include "play/scripted_play.h"

#include <cstdio>
#include <string>

namespace {

std::string OutputFolder;
int Written = 0;

constexpr int MENU_PASS = 4;
constexpr int HELP_PASS = 12;
constexpr int PLAYING_PASS = 136; // in the air beside the block

void keep_picture(int pass, const HeadlessFrame& frame) {
    const char* name = pass == MENU_PASS      ? "menu.bmp"
                       : pass == HELP_PASS    ? "help.bmp"
                       : pass == PLAYING_PASS ? "playing.bmp"
                                              : nullptr;
    if (name && headless_write_bmp(frame, (OutputFolder + "/" + name).c_str())) ++Written;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: capture_screens <output folder>\n");
        return 2;
    }
    OutputFolder = argv[1];
    const PlayResult result = play(
        {
            {5, 'H', 1},
            {6, 'H', 0},
            {15, VK_ESCAPE, 1},
            {16, VK_ESCAPE, 0},
            {20, VK_RETURN, 1},
            {21, VK_RETURN, 0},
            {35, VK_RIGHT, 1},
            {45, VK_NEXT, 1},
            {55, VK_NEXT, 0},
            {75, VK_DELETE, 1},
            {99, VK_DELETE, 0},
            {130, VK_NEXT, 1},
            {140, VK_NEXT, 0},
            {141, VK_RIGHT, 0},
            {145, VK_ESCAPE, 1},
            {146, VK_ESCAPE, 0},
            {150, 'Q', 1},
        },
        keep_picture);
    // Each picture is written once per present of its pass; one is enough.
    if (result.exit_code != 0 || Written < 3) {
        std::fprintf(stderr, "capture_screens: the game ended with %d after %d pictures\n",
                     result.exit_code, Written);
        return 1;
    }
    return 0;
}
