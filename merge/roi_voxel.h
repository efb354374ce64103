// roi_voxel.h - the voxel lists that the merge gathers and the writer stores.
#pragma once

#include <cstdint>
#include <vector>

// One voxel gathered from an ROI: its coordinates as the host gives them. `value` is 1.0 for every
// gathered voxel and never reaches a file.
struct RoiVoxel {
    float value;
    std::int32_t x;
    std::int32_t y;
    std::int32_t z;
};

// The voxels of one ROI file block, in the order they were appended.
using RoiVoxelList = std::vector<RoiVoxel>;

// Several voxel lists, one per block of a ".roi" file. Copied whole, by value, for the writer.
using RoiVoxelLists = std::vector<RoiVoxelList>;
