// expected_roi_file.cpp - the text of a ".roi" file, one string append at a time.
#include "expected_roi_file.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <limits>

namespace pelmora_fuzz {

namespace {

const std::string lineBreak = "\r\n";

// The numbers under a block's "NrOfTCs" line. 64 bits hold them for any 32-bit coordinates.
struct BlockHeading {
    std::int64_t fromSlice;
    std::int64_t left;
    std::int64_t right;
    std::int64_t top;
    std::int64_t bottom;
};

BlockHeading headingOf(const RoiVoxelList& voxels) {
    std::int64_t minX = std::numeric_limits<std::int64_t>::max(), maxX = -minX - 1;
    std::int64_t minY = minX, maxY = maxX;
    std::int64_t minZ = minX, maxZ = maxX;
    for (const RoiVoxel& voxel : voxels) {
        minX = std::min<std::int64_t>(minX, voxel.x);
        maxX = std::max<std::int64_t>(maxX, voxel.x);
        minY = std::min<std::int64_t>(minY, voxel.y);
        maxY = std::max<std::int64_t>(maxY, voxel.y);
        minZ = std::min<std::int64_t>(minZ, voxel.z);
        maxZ = std::max<std::int64_t>(maxZ, voxel.z);
    }
    // The middle slice, the upper one of two; the depth is never negative, so the division's
    // truncation is a plain rounding down.
    return {maxZ - (maxZ - minZ) / 2 + 1, minX + 1, maxX + 2, minY + 1, maxY + 2};
}

bool fitsInt32(std::int64_t value) {
    return value >= std::numeric_limits<std::int32_t>::min() &&
           value <= std::numeric_limits<std::int32_t>::max();
}

bool fitsInt32(const BlockHeading& heading) {
    return fitsInt32(heading.fromSlice) && fitsInt32(heading.left) && fitsInt32(heading.right) &&
           fitsInt32(heading.top) && fitsInt32(heading.bottom);
}

std::string entry(const char* key, std::int64_t value) {
    return std::string(key) + ":\t" + std::to_string(value);
}

std::string blockText(const BlockHeading& heading, const RoiVoxelList& voxels) {
    std::string text = lineBreak + lineBreak;
    text += entry("NrOfTCs", 1) + lineBreak;
    text += entry("FromSlice", heading.fromSlice) + lineBreak;
    text += entry("Left", heading.left) + lineBreak;
    text += entry("Right", heading.right) + lineBreak;
    text += entry("Top", heading.top) + lineBreak;
    text += entry("Bottom", heading.bottom) + lineBreak;
    text += entry("NrOfVoxels", static_cast<std::int64_t>(voxels.size())) + lineBreak;
    for (const RoiVoxel& voxel : voxels) {
        text += std::to_string(voxel.x) + "\t" + std::to_string(voxel.y) + "\t" +
                std::to_string(voxel.z) + "\t" + lineBreak;
    }
    return text;
}

} // namespace

std::optional<std::string> expectedRoiFileText(const RoiFileHeader& header,
                                               const RoiVoxelLists& lists) {
    const std::size_t blockCount =
        header.nrOfTCPlots > 0 ? static_cast<std::size_t>(header.nrOfTCPlots) : 0;
    if (blockCount > lists.size()) {
        return std::nullopt;
    }
    // The header's last line has no line break: each block brings the ones before it.
    std::string text = entry("FileVersion", header.fileVersion) + lineBreak + lineBreak +
                       entry("SaveVoxelsInROIs", header.saveVoxelsInROIs) + lineBreak + lineBreak +
                       entry("SaveSortedVoxelList", header.saveSortedVoxelList) + lineBreak +
                       lineBreak + entry("SaveROIMaxPSC", header.saveROIMaxPSC) + lineBreak +
                       lineBreak + entry("NrOfTCPlots", header.nrOfTCPlots);
    for (std::size_t i = 0; i < blockCount; ++i) {
        if (lists[i].empty()) {
            return std::nullopt;
        }
        const BlockHeading heading = headingOf(lists[i]);
        if (!fitsInt32(heading)) {
            return std::nullopt;
        }
        text += blockText(heading, lists[i]);
    }
    return text;
}

} // namespace pelmora_fuzz
