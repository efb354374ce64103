// fake_host.cpp - the fake host module and its services.
#include "fake_host.h"

#include "failing_allocator.h"

#include "platform/host_module.h"

#include <algorithm>
#include <cstring>
#include <map>

const std::array<const char*, 42> kHostServiceNames = {"tGetVersionOfNerolt",
                                                       "tGetNeroltPath",
                                                       "tGetPluginsPath",
                                                       "tLogText",
                                                       "tMessageBox",
                                                       "tYesNoMessageBox",
                                                       "tGetIntegerInput",
                                                       "tGetFloatInput",
                                                       "tGetTextInput",
                                                       "tGetOpenFileName",
                                                       "tGetSaveFileName",
                                                       "tGetCurrentTimePoint",
                                                       "tGetExpectedNrOfTimePoints",
                                                       "tGetDimsOfFunctionalData",
                                                       "tGetProjectName",
                                                       "tGetWatchFolder",
                                                       "tGetTargetFolder",
                                                       "tGetFeedbackFolder",
                                                       "tGetCurrentProtocolCondition",
                                                       "tGetFullNrOfPredictors",
                                                       "tGetCurrentNrOfPredictors",
                                                       "tGetNrOfConfoundPredictors",
                                                       "tGetValueOfDesignMatrix",
                                                       "tGetNrOfContrasts",
                                                       "tGetNrOfROIs",
                                                       "tGetMeanOfROI",
                                                       "tGetNrOfVoxelsOfROI",
                                                       "tGetBetaOfROI",
                                                       "tGetCoordsOfVoxelOfROI",
                                                       "tGetValueOfVoxelAtTime",
                                                       "tGetTimeCourseData",
                                                       "tGetBetaOfVoxel",
                                                       "tGetBetaMaps",
                                                       "tGetMapValueOfVoxel",
                                                       "tGetContrastMaps",
                                                       "tRegisterMaps",
                                                       "tSetPluginMapName",
                                                       "tSetDisplayStatusOfMap",
                                                       "tUpdateMapList",
                                                       "tSetPluginMapsThreshold",
                                                       "tShowPluginMaps",
                                                       "tGetPluginMaps"};

int FakeHost::callsOf(const std::string& service) const {
    return static_cast<int>(std::count(calls.begin(), calls.end(), service));
}

FakeHost& fakeHost() {
    static FakeHost host;
    return host;
}

void resetFakeHost() {
    fakeHost() = FakeHost{};
}

namespace {

// Each service starts here. Its own bookkeeping must not fail when a test makes the plug-in's
// allocations fail, so the service runs under a pause of the failing allocator.
FakeHost& called(const char* service) {
    const failing_allocator::Pause hostMemory;
    fakeHost().calls.emplace_back(service);
    return fakeHost();
}

void fill(char* buffer, std::size_t size, const std::string& text) {
    if (fakeHost().unterminatedBuffers) {
        std::memset(buffer, 'x', size);
        std::memcpy(buffer, text.data(), std::min(text.size(), size));
        return;
    }
    std::memcpy(buffer, text.c_str(), std::min(text.size() + 1, size));
}

const std::vector<std::array<int, 3>>* roiAt(int roi) {
    const auto& rois = fakeHost().rois;
    return roi >= 0 && static_cast<std::size_t>(roi) < rois.size()
               ? &rois[static_cast<std::size_t>(roi)]
               : nullptr;
}

void getVersion(int* major, int* minor, int* subVersion) {
    const FakeHost& host = called("tGetVersionOfNerolt");
    if (host.version) {
        *major = host.version->major;
        *minor = host.version->minor;
        *subVersion = host.version->subVersion;
    }
}
void getPluginsPath(char* path) {
    fill(path, 512, called("tGetPluginsPath").pluginsPath);
}
void logText(const char* text) {
    const failing_allocator::Pause hostMemory;
    called("tLogText").log.emplace_back(text);
}
void getSaveFileName(const char* title, char* startFolder, const char* filter, char* fileName) {
    const failing_allocator::Pause hostMemory;
    FakeHost& host = called("tGetSaveFileName");
    host.dialogs.push_back({title, startFolder, filter});
    fill(fileName, 604, host.saveAnswer);
}
int getCurrentTimePoint() {
    return called("tGetCurrentTimePoint").currentTimePoint;
}
int getExpectedNrOfTimePoints() {
    return called("tGetExpectedNrOfTimePoints").expectedTimePoints;
}
void getTargetFolder(char* folder) {
    fill(folder, 604, called("tGetTargetFolder").targetFolder);
}
int getNrOfROIs() {
    return static_cast<int>(called("tGetNrOfROIs").rois.size());
}
int getNrOfVoxelsOfROI(int roi) {
    called("tGetNrOfVoxelsOfROI");
    const auto* voxels = roiAt(roi);
    return voxels != nullptr ? static_cast<int>(voxels->size()) : 0;
}
void getCoordsOfVoxelOfROI(int roi, int voxel, int* x, int* y, int* z) {
    called("tGetCoordsOfVoxelOfROI");
    const auto* voxels = roiAt(roi);
    if (voxels != nullptr && voxel >= 0 && static_cast<std::size_t>(voxel) < voxels->size()) {
        const auto& coordinates = (*voxels)[static_cast<std::size_t>(voxel)];
        *x = coordinates[0];
        *y = coordinates[1];
        *z = coordinates[2];
    }
}
void uncalled() {
    called("(a service plug-ins must not call)");
}

using pelmora::platform::ExportAddress;

template <typename Function>
ExportAddress address(Function* function) {
    return reinterpret_cast<ExportAddress>(function);
}

const std::map<std::string, ExportAddress>& serviceAddresses() {
    static const std::map<std::string, ExportAddress> services = [] {
        std::map<std::string, ExportAddress> table;
        for (const char* name : kHostServiceNames) {
            table[name] = address(&uncalled);
        }
        table["tGetVersionOfNerolt"] = address(&getVersion);
        table["tGetPluginsPath"] = address(&getPluginsPath);
        table["tLogText"] = address(&logText);
        table["tGetSaveFileName"] = address(&getSaveFileName);
        table["tGetCurrentTimePoint"] = address(&getCurrentTimePoint);
        table["tGetExpectedNrOfTimePoints"] = address(&getExpectedNrOfTimePoints);
        table["tGetTargetFolder"] = address(&getTargetFolder);
        table["tGetNrOfROIs"] = address(&getNrOfROIs);
        table["tGetNrOfVoxelsOfROI"] = address(&getNrOfVoxelsOfROI);
        table["tGetCoordsOfVoxelOfROI"] = address(&getCoordsOfVoxelOfROI);
        return table;
    }();
    return services;
}

// Any non-null value serves as the module handle.
const char kFakeModule = 0;

} // namespace

namespace pelmora::platform {

ModuleHandle findLoadedModule(const char* fileName) {
    return fakeHost().moduleLoaded && std::strcmp(fileName, "Nerolt.exe") == 0 ? &kFakeModule
                                                                               : nullptr;
}

ExportAddress findModuleExport(ModuleHandle module, const char* exportName) {
    const failing_allocator::Pause hostMemory;
    FakeHost& host = fakeHost();
    if (module != &kFakeModule) {
        return nullptr;
    }
    host.lookedUp.emplace_back(exportName);
    if (host.withheldExports.count(exportName) != 0) {
        return nullptr;
    }
    const auto found = serviceAddresses().find(exportName);
    return found != serviceAddresses().end() ? found->second : nullptr;
}

} // namespace pelmora::platform
