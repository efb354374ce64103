// roi_file_test_support.h - a scratch folder per test, and whole-file reads and writes.
#pragma once

#include "file_output_buffer.h"
#include "roi_voxel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace roi_file_test {

namespace fs = std::filesystem;

// A new, empty folder under the system's temporary folder, removed with its contents at the end
// of the test. The random part keeps two test runs at the same time (two build trees) apart.
class ScratchFolder {
public:
    ScratchFolder() {
        std::random_device random;
        folder_ = fs::temp_directory_path() /
                  ("pelmora-roi-test-" + std::to_string(random()) + "-" + std::to_string(random()));
        fs::create_directories(folder_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

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

// Enough voxels for several of the writer's buffers, with numbers of every length and
// sign, so that lines and numbers fall across buffer boundaries. (Right and Bottom, the largest
// coordinate + 2, must still fit 32 bits.)
inline RoiVoxelList voxelsFillingSeveralBuffers() {
    const std::size_t count = pelmora::FileOutputBuffer::capacity / 4; // about five buffers
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::int32_t> anyCoordinate(INT32_MIN, INT32_MAX - 2);
    std::uniform_int_distribution<std::int32_t> smallCoordinate(-1200, 1200);
    RoiVoxelList voxels;
    for (std::size_t i = 0; i < count; ++i) {
        auto& coordinate = i % 5 == 0 ? anyCoordinate : smallCoordinate;
        voxels.push_back(
            RoiVoxel{1.0f, coordinate(random), coordinate(random), coordinate(random)});
    }
    return voxels;
}

} // namespace roi_file_test
