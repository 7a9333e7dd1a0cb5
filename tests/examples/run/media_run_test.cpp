// The pictures-and-music example run headless beside a PNG with alpha and an Ogg Vorbis tune:
// it reads both, logs no refusal of either, and Escape ends it with everything released.
#include "platform/ddraw/ddraw_emulation.h"
#include "platform/platform_reset.h"
#include "platform/host/headless/headless.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

int media_main(); // the example's main, renamed for this test program

TEST(MediaExample, ReadsItsPictureAndTuneWithoutARefusal) {
    namespace fs = std::filesystem;
    const fs::path home = fs::current_path(), folder = fs::temp_directory_path() / "media_run";
    fs::create_directories(folder);
    const fs::path corpus = fs::path(SOURCE_DIR) / "tests/fuzz/corpus";
    // The fuzz input leads its PNG file with the fuzz target's own settings.
    std::ifstream in(corpus / "bitmap/png-rgba", std::ios::binary);
    const std::string input{std::istreambuf_iterator<char>(in), {}};
    std::ofstream(folder / "ship.png", std::ios::binary) << input.substr(input.find("\x89PNG"));
    fs::copy_file(corpus / "wave/ogg-stereo", folder / "tune.ogg",
                  fs::copy_options::overwrite_existing);
    fs::current_path(folder);
    platform_reset();
    headless_script_key(1500, VK_ESCAPE, 1);
    testing::internal::CaptureStdout();
    const int result = media_main();
    const std::string log = testing::internal::GetCapturedStdout();
    fs::current_path(home);
    fs::remove_all(folder);
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ddraw_live_objects(), 0);
    EXPECT_NE(log.find("pixel format"), std::string::npos)
        << "the display's set-up lines are missing";
    for (const char* word : {"ship.png", "tune.ogg", "refused", "No music", "not installed"})
        EXPECT_EQ(log.find(word), std::string::npos) << word << " in:\n" << log;
}
