// expected_roi_file.h - what the writer must make of a request, worked out the plain way.
#pragma once

#include "roi_file_header.h"

#include <optional>
#include <string>

namespace pelmora_fuzz {

// The exact text of the ".roi" file that `header.writeRoiFile(lists, ...)` must write, or
// nothing when the writer must refuse the request: fewer lists than nrOfTCPlots, an empty list
// among the ones to write, or a block heading number beyond 32 bits.
//
// It shares no code with the writer: 64-bit arithmetic, std::to_string and string appends, so
// that a slip in the writer's fast formatting or its bounds shows up as a difference.
std::optional<std::string> expectedRoiFileText(const RoiFileHeader& header,
                                               const RoiVoxelLists& lists);

} // namespace pelmora_fuzz
