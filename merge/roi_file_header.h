// roi_file_header.h - the settings at the head of a ".roi" file, and the writer of such files.
#pragma once

#include "roi_voxel.h"

#include <cstdint>

// The five integer settings written at the head of a ".roi" file.
struct RoiFileHeader {
    std::int32_t fileVersion;
    std::int32_t saveVoxelsInROIs;
    std::int32_t saveSortedVoxelList;
    std::int32_t saveROIMaxPSC;
    std::int32_t nrOfTCPlots;

    RoiFileHeader(int fileVersion, int saveVoxelsInROIs, int saveSortedVoxelList, int saveROIMaxPSC,
                  int nrOfTCPlots);

    // Not written yet: writes nothing and returns false.
    bool writeRoiFile(RoiVoxelLists lists, const char* path) const;
};
