// Spoilable copies of the data files, and the game run in a child process.
#include "data_folder.h"

#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"
#include "platform/win32.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

const std::vector<std::string> DATA_FILES = {
    "menubackground1.bmp", "menubackground2.bmp", "menubackground3.bmp", "menubackground4.bmp",
    "option2.bmp",         "option3.bmp",         "gamebackground1.BMP", "pelkosprites.bmp",
    "questionblock.bmp",   "PALDATA2.PAL"};

std::filesystem::path copy_data_folder() {
    const std::filesystem::path folder = make_temp_folder("brambleleap-data");
    if (folder.empty()) return {};
    for (const std::string& name : DATA_FILES)
        std::filesystem::copy_file(name, folder / name);
    return folder;
}

ChildRun run_game_in(const std::filesystem::path& folder) {
    std::fflush(nullptr);
    const std::filesystem::path log = folder / "stderr.txt";
    const pid_t child = fork();
    if (child == 0) {
        if (chdir(folder.c_str()) != 0 || !std::freopen(log.c_str(), "w", stderr)) _exit(101);
        platform_reset();
        // Should set-up go through after all, the menu's Escape ends the game.
        headless_script_key(1000, VK_ESCAPE, 1);
        char command_line[] = "";
        const int code = WinMain(nullptr, nullptr, command_line, SW_SHOWNORMAL);
        std::exit(code);
    }
    ChildRun run{-1, {}};
    int status = 0;
    if (child < 0 || waitpid(child, &status, 0) != child) return run;
    if (WIFEXITED(status)) run.exit_code = WEXITSTATUS(status);
    std::ifstream in(log);
    std::stringstream text;
    text << in.rdbuf();
    run.error_output = text.str();
    return run;
}
