// roi_file_header.h - the settings at the head of a ".roi" file, and the writer of such files.
#pragma once

#include "roi_voxel.h"

#include <cstdint>

// The five integer settings written at the head of a ".roi" file. The record owns nothing, and
// writing a file never changes it.
struct RoiFileHeader {
    std::int32_t fileVersion;
    std::int32_t saveVoxelsInROIs;
    std::int32_t saveSortedVoxelList;
    std::int32_t saveROIMaxPSC;
    // Also the number of voxel lists written: lists 0 to nrOfTCPlots - 1.
    std::int32_t nrOfTCPlots;

    RoiFileHeader(int fileVersion, int saveVoxelsInROIs, int saveSortedVoxelList, int saveROIMaxPSC,
                  int nrOfTCPlots);

    // Writes this header and the first nrOfTCPlots lists as a ".roi" file at `path`, replacing
    // any file there in one step: readers see the old file or the complete new one, never a part.
    //
    // Throws std::out_of_range, before the path is touched, when there are fewer lists than
    // nrOfTCPlots, when one of the lists to write is empty (a block needs a voxel to have bounds)
    // or when a block's bounds do not fit 32 bits. Lists past the first nrOfTCPlots are ignored;
    // with nrOfTCPlots 0 or less the file holds the header alone.
    //
    // Returns true only when the complete file is at `path`. Returns false when the file could
    // not be created, written, synced to disk, closed or moved into place; the file at `path`,
    // if any, is then exactly as it was, and no temporary file is left beside it.
    //
    // The lists are the caller's copy, taken by value and released when the call returns, however
    // it returns.
    bool writeRoiFile(RoiVoxelLists lists, const char* path) const;
};
