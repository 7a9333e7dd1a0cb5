// Copies of the game's data files in a fresh temporary folder, which tests may spoil, and
// the game run there in a child process through its real entry point.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

extern const std::vector<std::string> DATA_FILES;

// A new folder holding copies of every data file of the working directory.
std::filesystem::path copy_data_folder();

struct ChildRun {
    int exit_code; // -1 when the child did not exit normally
    std::string error_output;
};

// Runs WinMain on the headless backend in a forked child whose working directory is
// `folder`, with Escape scripted to end the game should it start; returns how it ended.
ChildRun run_game_in(const std::filesystem::path& folder);
