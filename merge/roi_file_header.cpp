// roi_file_header.cpp - the ".roi" writer (to come).
#include "roi_file_header.h"

RoiFileHeader::RoiFileHeader(int fileVersion_, int saveVoxelsInROIs_, int saveSortedVoxelList_,
                             int saveROIMaxPSC_, int nrOfTCPlots_)
    : fileVersion(fileVersion_), saveVoxelsInROIs(saveVoxelsInROIs_),
      saveSortedVoxelList(saveSortedVoxelList_), saveROIMaxPSC(saveROIMaxPSC_),
      nrOfTCPlots(nrOfTCPlots_) {}

bool RoiFileHeader::writeRoiFile(RoiVoxelLists, const char*) const {
    return false;
}
