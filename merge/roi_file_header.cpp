// roi_file_header.cpp - writing a ".roi" file: check, format, replace.
#include "roi_file_header.h"

#include "file_output_buffer.h"
#include "replacement_file.h"
#include "roi_block_bounds.h"
#include "roi_file_text.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <vector>

RoiFileHeader::RoiFileHeader(int fileVersion_, int saveVoxelsInROIs_, int saveSortedVoxelList_,
                             int saveROIMaxPSC_, int nrOfTCPlots_)
    : fileVersion(fileVersion_), saveVoxelsInROIs(saveVoxelsInROIs_),
      saveSortedVoxelList(saveSortedVoxelList_), saveROIMaxPSC(saveROIMaxPSC_),
      nrOfTCPlots(nrOfTCPlots_) {}

namespace {
// Everything that could make the file wrong is found here, before the path is touched, so a bad
// request never costs the caller the file already at the path.
std::vector<pelmora::RoiBlockBounds> checkedBlockBounds(const RoiVoxelLists& lists,
                                                        std::int32_t nrOfTCPlots) {
    const std::size_t blockCount = nrOfTCPlots > 0 ? static_cast<std::size_t>(nrOfTCPlots) : 0;
    if (blockCount > lists.size()) {
        throw std::out_of_range("ROI file: NrOfTCPlots is " + std::to_string(nrOfTCPlots) +
                                " but only " + std::to_string(lists.size()) +
                                " voxel lists were given");
    }
    std::vector<pelmora::RoiBlockBounds> bounds;
    bounds.reserve(blockCount);
    for (std::size_t i = 0; i < blockCount; ++i) {
        if (lists[i].empty()) {
            throw std::out_of_range("ROI file: voxel list " + std::to_string(i) +
                                    " is empty; every written block needs at least one voxel");
        }
        bounds.push_back(pelmora::boundsOfBlock(lists[i]));
    }
    return bounds;
}
} // namespace

bool RoiFileHeader::writeRoiFile(RoiVoxelLists lists, const char* path) const {
    const std::vector<pelmora::RoiBlockBounds> bounds = checkedBlockBounds(lists, nrOfTCPlots);
    if (path == nullptr || *path == '\0') {
        return false;
    }

    // From here on, any way out (a failure, or even an exception) destroys `file`, which removes
    // the temporary file unless the commit put it in place.
    pelmora::ReplacementFile file(path);
    if (!file.create()) {
        return false;
    }
    pelmora::FileOutputBuffer out(file);
    pelmora::writeHeaderText(*this, out);
    for (std::size_t i = 0; i < bounds.size() && !out.hasFailed(); ++i) {
        pelmora::writeBlockText(bounds[i], lists[i], out);
    }
    return out.flush() && file.commit();
}
