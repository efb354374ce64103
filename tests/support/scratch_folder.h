// scratch_folder.h - a folder of its own for each test, and whole-file reads and writes.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

// A new, empty folder under the system's temporary folder, removed with its contents at the end
// of the test. The random part keeps two test runs at the same time (two build trees) apart.
class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        folder_ = fs::temp_directory_path() /
                  ("pelmora-test-" + std::to_string(random()) + "-" + std::to_string(random()));
        fs::create_directories(folder_);
    }
    ~ScratchFolder() {
        std::error_code ignored; // a path too long for the platform may refuse to go
        fs::remove_all(folder_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const fs::path& folder() const { return folder_; }
    std::string path(const std::string& name) const { return (folder_ / name).string(); }

    // The names of everything in the folder, sorted: shows any temporary file left behind.
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            found.push_back(entry.path().filename().string());
        }
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    fs::path folder_;
};

inline std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    EXPECT_TRUE(in.is_open()) << path;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
    ASSERT_TRUE(out.good()) << path;
}
