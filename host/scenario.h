// scenario.h - what the stand-in host does: its answers to the plug-in and the run it plays.
#pragma once

#include "host_voxel.h"

#include <optional>
#include <string>
#include <vector>

struct HostVersion {
    int major = 3;
    int minor = 0;
    int subVersion = 0;
};

// One answer of the save dialog: a path, or nothing for "cancelled".
using SaveDialogAnswer = std::optional<std::string>;

struct Scenario {
    std::string pluginPath;

    // The version the host reports; none means tGetVersionOfNerolt writes nothing.
    std::optional<HostVersion> version = HostVersion{};

    // The run: its expected number of time points and the time point where it stops.
    int expectedTimePoints = 5;
    int stopAtTimePoint = 5;
    // The plug-in is started on a run that is already complete (the host then only ends it).
    bool startOnCompletedRun = false;
    // How many runs the host plays, and with how many plug-in objects alive at once (each
    // object plays every run in turn; all share the plug-in library and its host table).
    int runs = 1;
    int objects = 1;
    // Just show the plug-in's metadata and the result of initPlugin; play no run.
    bool infoOnly = false;

    std::string pluginsPath;        // tGetPluginsPath; empty: the plug-in library's folder
    std::string targetFolder = "."; // tGetTargetFolder

    // Answers of the save dialog, one per call, the last one repeated. Empty: ask on the
    // terminal when there is one, otherwise cancel.
    std::vector<SaveDialogAnswer> saveDialogAnswers;

    std::vector<HostRoi> rois;

    // Hostile answers, for testing how a plug-in copes with a misbehaving host. Each list is
    // used one entry per call, its last entry repeated; empty means the truth.
    std::vector<int> nrOfROIsAnswers;
    std::vector<int> nrOfVoxelsAnswers;
    // Fill every text buffer to its last byte without a terminating zero.
    bool unterminatedBuffers = false;
    // Limit the process's address space (MiB, POSIX only) so that allocations fail early.
    long memoryLimitMiB = 0;

    // Print log lines as the raw HTML the plug-in sent.
    bool rawHtml = false;
};
