// roi_block_bounds.h - where a block of a ".roi" file lies, as its heading lines tell the host.
#pragma once

#include "roi_voxel.h"

#include <cstdint>

namespace pelmora {

// The host counts slices, columns and rows from 1, and its Right and Bottom lie one past the
// box: hence minimum + 1 for Left and Top, maximum + 2 for Right and Bottom. FromSlice is the
// middle slice of the block (the upper one when there are two), counted from 1.
struct RoiBlockBounds {
    std::int32_t fromSlice;
    std::int32_t left;
    std::int32_t right;
    std::int32_t top;
    std::int32_t bottom;
};

// The bounds of a block holding `voxels`, which must not be empty. Throws std::out_of_range when
// a bound does not fit the file's signed 32-bit numbers (coordinates at the very end of the
// range), rather than writing a wrapped-around value the host would misread.
RoiBlockBounds boundsOfBlock(const RoiVoxelList& voxels);

} // namespace pelmora
