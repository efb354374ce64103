// nerolt_host_services.h - the services the Nerolt host exports to its plug-ins.
//
// A plug-in is not linked against the host. It finds these services at run time by name among
// the exports of the host executable ("Nerolt.exe"). Host and plug-in both compile this header:
// the plug-in to build its table of entry points, the stand-in host to check that what it
// exports has exactly these signatures.
//
// Contracts of the ten services a plug-in may call:
//   * They are plain C functions, called synchronously on the host's thread.
//   * A `char*` buffer belongs to the caller; the host fills it with NUL-terminated text WITHOUT
//     being told its size, so the sizes below are part of the contract.
//   * Texts handed to the host are only valid during the call.
//   * Indices count from 0. Results not mentioned are not used.
#pragma once

// Writes the host's version through the three pointers: major, minor, sub-version.
using GetVersionOfNeroltService = void(int* major, int* minor, int* subVersion);
// Fills a 512-byte buffer with the path of the host's plug-ins folder.
using GetPluginsPathService = void(char* path);
// Shows one line in the host's log. The text may hold <b>, </b> and <br>, and may be "" or " ".
using LogTextService = void(const char* text);
// Shows the save dialog. Fills the 604-byte `fileName` with the chosen path, or "" on cancel.
using GetSaveFileNameService = void(const char* title, char* startFolder, const char* filter,
                                    char* fileName);
// The time point reached; equal to the expected number once the run is complete.
using GetCurrentTimePointService = int();
// The run's number of time points.
using GetExpectedNrOfTimePointsService = int();
// Fills a 604-byte buffer with the run's target folder.
using GetTargetFolderService = void(char* folder);
// The number of ROIs defined.
using GetNrOfROIsService = int();
// The number of voxels of one ROI.
using GetNrOfVoxelsOfROIService = int(int roi);
// Writes x, y and z of one voxel of one ROI through the three pointers, in that order.
using GetCoordsOfVoxelOfROIService = void(int roi, int voxel, int* x, int* y, int* z);
// The other 32 services are never called by Pelmora: their signatures do not matter to it, and
// it keeps only their addresses.
using UncalledHostService = void();

// Sizes, terminating zero included, of the buffers handed to the host.
inline constexpr int kPluginsPathBufferSize = 512;
inline constexpr int kHostTextBufferSize = 604;

// Every service of the host, in the order of the host's entry-point table:
// CALLED(name, Signature) for the ten a plug-in calls, UNCALLED(name) for the 32 others.
// The version service comes first and on its own, because it decides whether the host is usable.
#define NEROLT_VERSION_SERVICE(CALLED) CALLED(tGetVersionOfNerolt, GetVersionOfNeroltService)

#define NEROLT_OTHER_SERVICES(CALLED, UNCALLED)                                                    \
    UNCALLED(tGetNeroltPath)                                                                       \
    CALLED(tGetPluginsPath, GetPluginsPathService)                                                 \
    CALLED(tLogText, LogTextService)                                                               \
    UNCALLED(tMessageBox)                                                                          \
    UNCALLED(tYesNoMessageBox)                                                                     \
    UNCALLED(tGetIntegerInput)                                                                     \
    UNCALLED(tGetFloatInput)                                                                       \
    UNCALLED(tGetTextInput)                                                                        \
    UNCALLED(tGetOpenFileName)                                                                     \
    CALLED(tGetSaveFileName, GetSaveFileNameService)                                               \
    CALLED(tGetCurrentTimePoint, GetCurrentTimePointService)                                       \
    CALLED(tGetExpectedNrOfTimePoints, GetExpectedNrOfTimePointsService)                           \
    UNCALLED(tGetDimsOfFunctionalData)                                                             \
    UNCALLED(tGetProjectName)                                                                      \
    UNCALLED(tGetWatchFolder)                                                                      \
    CALLED(tGetTargetFolder, GetTargetFolderService)                                               \
    UNCALLED(tGetFeedbackFolder)                                                                   \
    UNCALLED(tGetCurrentProtocolCondition)                                                         \
    UNCALLED(tGetFullNrOfPredictors)                                                               \
    UNCALLED(tGetCurrentNrOfPredictors)                                                            \
    UNCALLED(tGetNrOfConfoundPredictors)                                                           \
    UNCALLED(tGetValueOfDesignMatrix)                                                              \
    UNCALLED(tGetNrOfContrasts)                                                                    \
    CALLED(tGetNrOfROIs, GetNrOfROIsService)                                                       \
    UNCALLED(tGetMeanOfROI)                                                                        \
    CALLED(tGetNrOfVoxelsOfROI, GetNrOfVoxelsOfROIService)                                         \
    UNCALLED(tGetBetaOfROI)                                                                        \
    CALLED(tGetCoordsOfVoxelOfROI, GetCoordsOfVoxelOfROIService)                                   \
    UNCALLED(tGetValueOfVoxelAtTime)                                                               \
    UNCALLED(tGetTimeCourseData)                                                                   \
    UNCALLED(tGetBetaOfVoxel)                                                                      \
    UNCALLED(tGetBetaMaps)                                                                         \
    UNCALLED(tGetMapValueOfVoxel)                                                                  \
    UNCALLED(tGetContrastMaps)                                                                     \
    UNCALLED(tRegisterMaps)                                                                        \
    UNCALLED(tSetPluginMapName)                                                                    \
    UNCALLED(tSetDisplayStatusOfMap)                                                               \
    UNCALLED(tUpdateMapList)                                                                       \
    UNCALLED(tSetPluginMapsThreshold)                                                              \
    UNCALLED(tShowPluginMaps)                                                                      \
    UNCALLED(tGetPluginMaps)

#define NEROLT_HOST_SERVICES(CALLED, UNCALLED)                                                     \
    NEROLT_VERSION_SERVICE(CALLED)                                                                 \
    NEROLT_OTHER_SERVICES(CALLED, UNCALLED)
