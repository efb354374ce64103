// roi_file_text.h - the text of a ".roi" file, formatted into the writer's buffer.
#pragma once

#include "file_output_buffer.h"
#include "roi_block_bounds.h"
#include "roi_voxel.h"

#include <cstdint>

struct RoiFileHeader;

namespace pelmora {

// The five header lines. The text ends right after the NrOfTCPlots value: each block starts with
// the line breaks that end it.
void writeHeaderText(const RoiFileHeader& header, FileOutputBuffer& out);

// One block: its heading lines, then a line "x\ty\tz\t" per voxel, in list order.
void writeBlockText(const RoiBlockBounds& bounds, const RoiVoxelList& voxels,
                    FileOutputBuffer& out);

} // namespace pelmora
