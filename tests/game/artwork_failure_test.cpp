// A start with a missing or spoiled artwork file ends with a message naming the file and
// its folder, a non-zero exit code, and nothing left for the sanitizers to report.
#include "data_folder.h"
#include "game_window.h"

#include "game/artwork_file.h"
#include "game/setup.h"
#include "platform/ddraw/ddraw_emulation.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

void expect_clean_failure(const std::filesystem::path& folder, const std::string& name) {
    const ChildRun run = run_game_in(folder);
    EXPECT_EQ(run.exit_code, 2) << run.error_output;
    EXPECT_NE(run.error_output.find("\"" + name + "\""), std::string::npos) << run.error_output;
    // The folder as the game names it: the working directory, links resolved.
    const std::string named = std::filesystem::canonical(folder).string();
    EXPECT_NE(run.error_output.find(named), std::string::npos) << run.error_output;
    EXPECT_EQ(run.error_output.find("Sanitizer"), std::string::npos) << run.error_output;
    EXPECT_EQ(run.error_output.find("runtime error"), std::string::npos) << run.error_output;
}

} // namespace

TEST(ArtworkFailure, EachMissingPictureIsNamedAndEndsTheGame) {
    for (const std::string& name : DATA_FILES) {
        if (name == "PALDATA2.PAL")
            continue; // the level's palette replaces it; the game runs without it
        SCOPED_TRACE(name);
        const std::filesystem::path folder = copy_data_folder();
        ASSERT_FALSE(folder.empty());
        std::filesystem::remove(folder / name);
        expect_clean_failure(folder, name);
        std::filesystem::remove_all(folder);
    }
}

TEST(ArtworkFailure, SpoiledFilesAreNamedAndEndTheGame) {
    struct Spoil {
        std::string name;
        void (*spoil)(const std::filesystem::path& file);
    };
    const Spoil spoils[] = {
        {"pelkosprites.bmp",
         [](const std::filesystem::path& file) {
             std::fstream out(file, std::ios::in | std::ios::out | std::ios::binary);
             out.write("XX", 2); // not a bitmap file
         }},
        {"questionblock.bmp",
         [](const std::filesystem::path& file) { std::filesystem::resize_file(file, 60); }},
        {"menubackground2.bmp",
         [](const std::filesystem::path& file) { std::filesystem::resize_file(file, 0); }},
        {"gamebackground1.BMP",
         [](const std::filesystem::path& file) {
             // A real bitmap, but far too small for the screen.
             std::filesystem::copy_file(file.parent_path() / "questionblock.bmp", file,
                                        std::filesystem::copy_options::overwrite_existing);
         }},
    };
    for (const Spoil& spoil : spoils) {
        SCOPED_TRACE(spoil.name);
        const std::filesystem::path folder = copy_data_folder();
        ASSERT_FALSE(folder.empty());
        spoil.spoil(folder / spoil.name);
        expect_clean_failure(folder, spoil.name);
        std::filesystem::remove_all(folder);
    }
}

TEST(ArtworkFailure, WithEveryFileInPlaceTheGameStartsAndEndsWithCodeZero) {
    const std::filesystem::path folder = copy_data_folder();
    ASSERT_FALSE(folder.empty());
    const ChildRun run = run_game_in(folder);
    EXPECT_EQ(run.exit_code, 0) << run.error_output;
    EXPECT_EQ(run.error_output, "");
    std::filesystem::remove_all(folder);
}

TEST(ArtworkFailure, SetUpStopsAtTheFirstUnusableFileAndReturnsTheFailure) {
    struct Case {
        std::string missing;
        bool menu_made[4];
        bool player_made;
    };
    const Case cases[] = {
        {"menubackground2.bmp", {true, false, false, false}, false},
        {"questionblock.bmp", {true, true, true, true}, true},
    };
    const std::filesystem::path home = std::filesystem::current_path();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.missing);
        const std::filesystem::path folder = copy_data_folder();
        ASSERT_FALSE(folder.empty());
        std::filesystem::remove(folder / c.missing);
        std::filesystem::current_path(folder);
        open_game_window();
        EXPECT_EQ(game_set_up(), ARTWORK_UNUSABLE);
        const std::string line = artwork_failure_line();
        EXPECT_NE(line.find("\"" + c.missing + "\""), std::string::npos) << line;
        EXPECT_EQ(SharedBitmapFile.pixels, nullptr);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(MenuImages[i].pixels != nullptr, c.menu_made[i]) << i;
        EXPECT_EQ(PlayerSprite.sequences[0] != nullptr, c.player_made);
        EXPECT_EQ(BlockSprite.sequences[0], nullptr);
        EXPECT_EQ(game_tear_down(), 1);
        EXPECT_EQ(ddraw_live_objects(), 0);
        std::filesystem::current_path(home);
        std::filesystem::remove_all(folder);
    }
}
