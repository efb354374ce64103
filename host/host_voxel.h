// host_voxel.h - the ROIs as the stand-in host holds them.
#pragma once

#include <string>
#include <vector>

struct HostVoxel {
    int x;
    int y;
    int z;
};

// One region of interest: its voxels in the order the host numbers them.
struct HostRoi {
    std::string origin; // where it came from, for messages: "a.roi, list 2" or "--roi-box ..."
    std::vector<HostVoxel> voxels;
};
