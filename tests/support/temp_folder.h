// Temporary folders for tests: each new and empty, under the system's temporary folder, and
// removed when the test program that made it ends.
#pragma once

#include <filesystem>
#include <string>

// A new empty folder named from `prefix` and a unique suffix; an empty path (and a test
// failure) when none can be made. A forked child that ends leaves its parent's folders alone.
std::filesystem::path make_temp_folder(const std::string& prefix);
