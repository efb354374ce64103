// roi_file_test_support.h - what the writer's tests share.
#pragma once

#include "file_output_buffer.h"
#include "roi_voxel.h"

#include "support/scratch_folder.h"

#include <cstdint>
#include <random>

namespace roi_file_test {

using ::readFile;
using ::ScratchFolder;
using ::writeFile;
namespace fs = std::filesystem;

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
