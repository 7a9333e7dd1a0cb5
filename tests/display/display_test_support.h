// Helpers shared by the display tests: a fresh headless platform with the program's window,
// a private working folder, and small file utilities.
#pragma once

#include <cstdint>
#include <string>

// Resets the platform and the display context and creates the popup window in MainWindow,
// by default at (0, 0) and 640 x 480.
void start_headless_window(int x = 0, int y = 0, int width = 640, int height = 480);

// start_headless_window, then display_init with these arguments; returns its result.
std::int32_t start_display(std::int32_t width, std::int32_t height, std::int32_t bpp,
                           std::int32_t windowed);

// Makes a new empty folder under the system's temporary folder and changes into it, so
// that files such as "PALDATA2.PAL" are absent or under the test's control.
std::string enter_fresh_folder();

std::string read_whole_file(const std::string& path);
void write_whole_file(const std::string& path, const std::string& text);
