// Whole files as bytes: what is written reads back, and a file larger than the reader allows
// is refused rather than read in part.
#include "formats/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

TEST(FileBytes, FilesReadBackWholeUnlessLargerThanAllowed) {
    const std::filesystem::path folder = make_temp_folder("formats_test");
    ASSERT_FALSE(folder.empty());
    const std::string path = (folder / "bytes.bin").string();
    std::vector<std::uint8_t> written(10000);
    for (std::size_t i = 0; i < written.size(); ++i)
        written[i] = static_cast<std::uint8_t>(i * 31);
    ASSERT_TRUE(write_file_bytes(path.c_str(), written));

    std::vector<std::uint8_t> read = {1, 2, 3};
    EXPECT_TRUE(read_file_bytes(path.c_str(), written.size(), &read));
    EXPECT_EQ(read, written);
    EXPECT_FALSE(read_file_bytes(path.c_str(), written.size() - 1, &read));
    EXPECT_FALSE(read_file_bytes((folder / "missing.bin").c_str(), 100, &read));
    EXPECT_FALSE(write_file_bytes((folder / "no" / "such.bin").c_str(), written));
}
