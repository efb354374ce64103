// merge_expectations.h - the plug-in's log lines and one small merge with its exact file.
#pragma once

#include <string>
#include <vector>

namespace merge_expectations {

inline const std::string kBanner = "<b>Pelmora Plugin!</b><br>";
inline const std::string kNotEnough = "<b>Not enough ROI's selected!</b><br>";
inline const std::string kNoVoxels = "<b>No voxels in the selected ROIs!</b><br>";
inline const std::string kCompleted = "<b>Plugin completed processing.</b>";

// Three ROIs of 2, 0 and 3 voxels as the stand-in host's options...
inline const std::vector<std::string> kRoisOf2And0And3 = {"--roi-box", "10:11,20,5", "--empty-roi",
                                                          "--roi-box", "-3,4:6,-1"};

// ...and the file their merge gives: the five voxels in host order.
inline const std::string kFileOf2And0And3 = "FileVersion:\t5\r\n\r\n"
                                            "SaveVoxelsInROIs:\t1\r\n\r\n"
                                            "SaveSortedVoxelList:\t0\r\n\r\n"
                                            "SaveROIMaxPSC:\t0\r\n\r\n"
                                            "NrOfTCPlots:\t1\r\n\r\n"
                                            "NrOfTCs:\t1\r\n"
                                            "FromSlice:\t3\r\n"
                                            "Left:\t-2\r\n"
                                            "Right:\t13\r\n"
                                            "Top:\t5\r\n"
                                            "Bottom:\t22\r\n"
                                            "NrOfVoxels:\t5\r\n"
                                            "10\t20\t5\t\r\n"
                                            "11\t20\t5\t\r\n"
                                            "-3\t4\t-1\t\r\n"
                                            "-3\t5\t-1\t\r\n"
                                            "-3\t6\t-1\t\r\n";

} // namespace merge_expectations
