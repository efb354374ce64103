// command_line.h - the stand-in host's command line.
#pragma once

#include "scenario.h"

#include <stdexcept>
#include <string>
#include <vector>

// A command line the host cannot play: the message says what is wrong and where.
struct CommandLineError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// One source of ROIs, in command-line order: a ".roi" file (read once the whole command line is
// known good) or an ROI given directly (a box or an empty ROI).
struct RoiSource {
    std::string roiFile;
    HostRoi roi;
};

struct CommandLine {
    bool showHelp = false;
    Scenario scenario; // scenario.rois stays empty: the ROIs are in roiSources
    std::vector<RoiSource> roiSources;
};

// Parses the arguments after the program name; throws CommandLineError for anything unusable.
CommandLine parseCommandLine(const std::vector<std::string>& arguments);

// The text of --help.
const char* commandLineHelp();
