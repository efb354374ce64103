// roi_file_reader.h - a strict reader of ".roi" files, for the stand-in host.
#pragma once

#include "host_voxel.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// A ".roi" text the reader cannot accept. what() names the file, the line and the problem,
// such as "a.roi:17: NrOfVoxels says 3, but only 2 voxel lines follow".
struct RoiFileError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the voxel lists of a ".roi" text: one HostRoi per list, in file order. `fileName` only
// serves the messages. Line breaks may be CR LF (as written) or LF; anything else that does not
// follow the layout exactly throws RoiFileError.
std::vector<HostRoi> parseRoiText(std::string_view text, const std::string& fileName);

// Reads and parses the file at `path`; an unreadable file throws RoiFileError too.
std::vector<HostRoi> readRoiFile(const std::string& path);
