// roi_block_bounds.cpp - the heading numbers of a block, from the smallest and largest voxel.
#include "roi_block_bounds.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <string>

namespace pelmora {

namespace {
// 64 bits hold every sum and difference of two 32-bit coordinates, so nothing here overflows
// before the check.
std::int32_t checkedBound(std::int64_t value, const char* name) {
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        throw std::out_of_range(std::string("ROI block ") + name + " " + std::to_string(value) +
                                " does not fit a 32-bit number: a voxel coordinate is too close "
                                "to the end of the range");
    }
    return static_cast<std::int32_t>(value);
}
} // namespace

RoiBlockBounds boundsOfBlock(const RoiVoxelList& voxels) {
    const RoiVoxel& first = voxels.front();
    std::int32_t minX = first.x, maxX = first.x;
    std::int32_t minY = first.y, maxY = first.y;
    std::int32_t minZ = first.z, maxZ = first.z;
    for (const RoiVoxel& voxel : voxels) {
        minX = std::min(minX, voxel.x);
        maxX = std::max(maxX, voxel.x);
        minY = std::min(minY, voxel.y);
        maxY = std::max(maxY, voxel.y);
        minZ = std::min(minZ, voxel.z);
        maxZ = std::max(maxZ, voxel.z);
    }
    // The depth is never negative, so the division rounds down: to the upper middle slice.
    const std::int64_t depth = std::int64_t{maxZ} - minZ;
    return RoiBlockBounds{checkedBound(maxZ - depth / 2 + 1, "FromSlice"),
                          checkedBound(std::int64_t{minX} + 1, "Left"),
                          checkedBound(std::int64_t{maxX} + 2, "Right"),
                          checkedBound(std::int64_t{minY} + 1, "Top"),
                          checkedBound(std::int64_t{maxY} + 2, "Bottom")};
}

} // namespace pelmora
