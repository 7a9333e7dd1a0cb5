// Helpers shared by the display tests.
#include "display_test_support.h"

#include "engine/display/display_context.h"
#include "engine/display/display_init.h"
#include "platform/platform_reset.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

LRESULT CALLBACK test_window_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcA(window, message, wparam, lparam);
}

} // namespace

void start_headless_window(int x, int y, int width, int height) {
    platform_reset();
    display_context_reset();
    WNDCLASSEXA window_class = {};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = test_window_procedure;
    window_class.lpszClassName = "DisplayTestWindow";
    ASSERT_NE(RegisterClassExA(&window_class), 0);
    MainWindow = CreateWindowExA(0, "DisplayTestWindow", "Display test", WS_POPUP, x, y, width,
                                 height, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(MainWindow, nullptr);
}

std::int32_t start_display(std::int32_t width, std::int32_t height, std::int32_t bpp,
                           std::int32_t windowed) {
    start_headless_window();
    return display_init(width, height, bpp, windowed);
}

std::string enter_fresh_folder() {
    const std::filesystem::path folder = make_temp_folder("display_test");
    if (folder.empty() || chdir(folder.c_str()) != 0) {
        ADD_FAILURE() << "cannot enter " << folder;
        return "";
    }
    return folder.string();
}

std::string read_whole_file(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return "";
    std::string text;
    char chunk[4096];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof(chunk), file)) > 0)
        text.append(chunk, got);
    std::fclose(file);
    return text;
}

void write_whole_file(const std::string& path, const std::string& text) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(text.data(), 1, text.size(), file);
    std::fclose(file);
}
