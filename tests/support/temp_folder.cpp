// Making temporary folders, and removing them when the program that made them ends.
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

struct MadeFolder {
    std::filesystem::path path;
    pid_t maker;
};

std::vector<MadeFolder>& made_folders() {
    static std::vector<MadeFolder> folders;
    return folders;
}

void remove_made_folders() {
    for (const MadeFolder& folder : made_folders()) {
        if (folder.maker != getpid()) continue;
        std::error_code ignored;
        std::filesystem::remove_all(folder.path, ignored);
    }
}

} // namespace

std::filesystem::path make_temp_folder(const std::string& prefix) {
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    std::string pattern =
        ((error ? std::filesystem::path("/tmp") : base) / (prefix + "-XXXXXX")).string();
    if (mkdtemp(pattern.data()) == nullptr) {
        ADD_FAILURE() << "cannot make a folder like " << pattern;
        return {};
    }
    if (made_folders().empty()) std::atexit(remove_made_folders);
    made_folders().push_back({pattern, getpid()});
    return pattern;
}
