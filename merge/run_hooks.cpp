// run_hooks.cpp - the run hooks: at the end of a completed run, merge every ROI into one file.
//
// The host calls executePreRun when a run starts, executePreStep and executePostStep around each
// time point, and executePostRun when the run ends. Only the first and the last do work:
//   executePreRun   greets the user and, when the run is already complete, merges at once;
//   executePostRun  gathers the voxels of all ROIs into one list (ROI 0 first, each ROI's voxels
//                   in the host's order; a voxel in two ROIs appears twice), asks for a file name
//                   in the host's save dialog and writes the merged ROI as a ".roi" file.
// Every hook returns true: the user learns outcomes from the host's log, not from the result.
#include "../plugin/hook_guard.h"
#include "../plugin/host_calls.h"
#include "../plugin/pelmora_plugin.h"
#include "roi_file_header.h"

#include <cstdio>

using pelmora::logText;

namespace {

// The host fills text buffers without being told their size, so it is part of the contract.
// Each buffer is zeroed before the host fills it and terminated at its last byte afterwards: a
// host that forgets the terminating zero cannot make the plug-in read past the buffer.
template <std::size_t Size>
struct HostTextBuffer {
    char text[Size] = {};

    char* forHost() { return text; }
    char* received() {
        text[Size - 1] = '\0';
        return text;
    }
};

// The saved-file line must hold the longest name the file-name buffer can carry.
constexpr std::size_t kSavedLineBufferSize =
    kHostTextBufferSize + sizeof "File not saved: <b></b>" - 1;

// Values of the ".roi" header for a merged ROI: format version 5, the voxels saved, one list.
constexpr int kRoiFileVersion = 5;
constexpr int kSaveVoxelsInROIs = 1;
constexpr int kSaveSortedVoxelList = 0;
constexpr int kSaveROIMaxPSC = 0;
constexpr int kNrOfTCPlots = 1;

bool runIsComplete() {
    const int expected = PELMORA_HOST(tGetExpectedNrOfTimePoints)();
    const int current = PELMORA_HOST(tGetCurrentTimePoint)();
    return expected == current;
}

// Appends the voxels of every ROI to `list`. The host is asked for the counts anew at every
// test of the loops, as they may change while the plug-in gathers.
void gatherVoxelsOfAllRois(RoiVoxelList& list) {
    // The services are taken from the table once: it cannot change while a hook runs.
    GetNrOfROIsService& nrOfROIs = PELMORA_HOST(tGetNrOfROIs);
    GetNrOfVoxelsOfROIService& nrOfVoxelsOfROI = PELMORA_HOST(tGetNrOfVoxelsOfROI);
    GetCoordsOfVoxelOfROIService& coordsOfVoxelOfROI = PELMORA_HOST(tGetCoordsOfVoxelOfROI);

    for (int roi = 0; roi < nrOfROIs(); ++roi) {
        for (int voxel = 0; voxel < nrOfVoxelsOfROI(roi); ++voxel) {
            int x = 0;
            int y = 0;
            int z = 0;
            coordsOfVoxelOfROI(roi, voxel, &x, &y, &z);
            list.push_back(RoiVoxel{1.0f, x, y, z});
        }
    }
}

} // namespace

bool PelmoraPlugin::executePreRun() {
    return pelmora::guardHook([this] {
        logText("<b>Pelmora Plugin!</b><br>");

        HostTextBuffer<kPluginsPathBufferSize> pluginsPath;
        PELMORA_HOST(tGetPluginsPath)(pluginsPath.forHost());
        char message[kHostTextBufferSize];
        std::snprintf(message, sizeof message, "Info - Path to Plugins: %s",
                      pluginsPath.received());
        logText(message);

        // Started on a run that is already complete: there will be no time steps, so do the
        // end-of-run work now. (The host may still call executePostRun when it ends the run.)
        if (runIsComplete()) {
            executePreStep();
            executePostRun();
        }
    });
}

bool PelmoraPlugin::executePreStep() {
    return true;
}

bool PelmoraPlugin::executePostStep() {
    return true;
}

bool PelmoraPlugin::executePostRun() {
    return pelmora::guardHook([this] {
        if (!runIsComplete()) {
            logText("Aborted");
            return;
        }

        // From the first completed run on, the object holds exactly one list.
        roiVoxelLists.resize(1);
        RoiVoxelList& mergedList = roiVoxelLists[0];

        if (!(PELMORA_HOST(tGetNrOfROIs)() > 1)) {
            logText("<b>Not enough ROI's selected!</b><br>");
            return;
        }

        // Each gathering starts afresh, so the file holds the ROIs as they are now, also when
        // the plug-in already merged this run from executePreRun.
        mergedList.clear();
        gatherVoxelsOfAllRois(mergedList);
        if (mergedList.empty()) {
            logText("<b>No voxels in the selected ROIs!</b><br>");
            return;
        }

        const RoiFileHeader header(kRoiFileVersion, kSaveVoxelsInROIs, kSaveSortedVoxelList,
                                   kSaveROIMaxPSC, kNrOfTCPlots);
        HostTextBuffer<kHostTextBufferSize> startFolder;
        PELMORA_HOST(tGetTargetFolder)(startFolder.forHost());
        HostTextBuffer<kHostTextBufferSize> fileName;
        GetSaveFileNameService& showSaveDialog = PELMORA_HOST(tGetSaveFileName);
        showSaveDialog("Save ROI file", startFolder.received(), "Region of Interest Files (*.roi)",
                       fileName.forHost());
        const char* chosenName = fileName.received();

        logText("");
        if (chosenName[0] != '\0') {
            // The writer works on its own copy of the lists.
            const bool saved = header.writeRoiFile(roiVoxelLists, chosenName);
            char message[kSavedLineBufferSize];
            std::snprintf(message, sizeof message,
                          saved ? "File saved: <b>%s</b>" : "File not saved: <b>%s</b>",
                          chosenName);
            logText(message);
        }
        logText(" ");
        logText("<b>Plugin completed processing.</b>");
    });
}
