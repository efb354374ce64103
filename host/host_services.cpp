// host_services.cpp - the 42 services the stand-in host exports to plug-ins.
//
// They carry the names and signatures of the real host's services (nerolt_host_services.h), so
// a plug-in cannot tell the two hosts apart. The ten services a plug-in may call answer from the
// host session; a call of any of the other 32 is recorded as a breach of the host's contract.
//
// Test builds of the host withhold a service by renaming its definition on the compiler's
// command line (for example -DtGetBetaMaps=withheld_tGetBetaMaps): the host then lacks that
// export, as an older or different host would.
#include "host_export.h"
#include "host_session.h"
#include "log_printer.h"
#include "nerolt_host_services.h"
#include "save_dialog.h"

#include <algorithm>
#include <cstring>
#include <iostream>
#include <type_traits>

namespace {

// Every service starts by counting its call, and answers from the session.
HostSession& served() {
    HostSession& session = hostSession();
    ++session.serviceCalls;
    return session;
}

// Writes `text` into a plug-in's buffer of `size` bytes, as the host's contract says: the whole
// text and its terminating zero. A scenario with unterminated buffers instead fills every byte.
void fillBuffer(char* buffer, int size, const std::string& text) {
    const auto capacity = static_cast<std::size_t>(size);
    if (hostSession().scenario.unterminatedBuffers) {
        std::memset(buffer, '#', capacity);
        std::memcpy(buffer, text.data(), std::min(text.size(), capacity));
        return;
    }
    const std::size_t length = std::min(text.size(), capacity - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

// The next scripted answer of a hostile list, or the truth when there is none.
int scripted(const std::vector<int>& answers, std::size_t& calls, int truth) {
    if (answers.empty()) {
        return truth;
    }
    return answers[std::min(calls++, answers.size() - 1)];
}

const HostRoi* roiAt(int index) {
    const auto& rois = hostSession().scenario.rois;
    if (index < 0 || static_cast<std::size_t>(index) >= rois.size()) {
        return nullptr;
    }
    return &rois[static_cast<std::size_t>(index)];
}

void recordViolation(const char* service) {
    served().contractViolations.push_back(std::string("the plug-in called ") + service +
                                          ", which plug-ins must not call");
}

} // namespace

NEROLT_SERVICE void tGetVersionOfNerolt(int* major, int* minor, int* subVersion) {
    const auto& version = served().scenario.version;
    if (version) {
        *major = version->major;
        *minor = version->minor;
        *subVersion = version->subVersion;
    }
}

NEROLT_SERVICE void tGetPluginsPath(char* path) {
    fillBuffer(path, kPluginsPathBufferSize, served().scenario.pluginsPath);
}

NEROLT_SERVICE void tLogText(const char* text) {
    const HostSession& session = served();
    if (session.scenario.rawHtml) {
        std::cout << text << '\n';
    } else {
        std::cout << renderLogLine(text, session.styledLog) << '\n';
    }
    std::cout.flush();
}

NEROLT_SERVICE void tGetSaveFileName(const char* title, char* startFolder, const char* filter,
                                     char* fileName) {
    const SaveDialogAnswer answer = showSaveDialog(served(), title, startFolder, filter);
    std::string name = answer ? *answer : std::string();
    if (name.size() >= static_cast<std::size_t>(kHostTextBufferSize)) {
        std::cerr << "Nerolt:   the name does not fit the plug-in's " << kHostTextBufferSize
                  << "-byte buffer: cancelled\n";
        name.clear();
    }
    fillBuffer(fileName, kHostTextBufferSize, name);
}

NEROLT_SERVICE int tGetCurrentTimePoint() {
    return served().currentTimePoint;
}

NEROLT_SERVICE int tGetExpectedNrOfTimePoints() {
    return served().scenario.expectedTimePoints;
}

NEROLT_SERVICE void tGetTargetFolder(char* folder) {
    fillBuffer(folder, kHostTextBufferSize, served().scenario.targetFolder);
}

NEROLT_SERVICE int tGetNrOfROIs() {
    HostSession& session = served();
    const int truth = static_cast<int>(session.scenario.rois.size());
    return scripted(session.scenario.nrOfROIsAnswers, session.nrOfROIsCalls, truth);
}

NEROLT_SERVICE int tGetNrOfVoxelsOfROI(int roi) {
    HostSession& session = served();
    const HostRoi* found = roiAt(roi);
    const int truth = found != nullptr ? static_cast<int>(found->voxels.size()) : 0;
    return scripted(session.scenario.nrOfVoxelsAnswers, session.nrOfVoxelsCalls, truth);
}

NEROLT_SERVICE void tGetCoordsOfVoxelOfROI(int roi, int voxel, int* x, int* y, int* z) {
    served();
    const HostRoi* found = roiAt(roi);
    if (found == nullptr || voxel < 0 || static_cast<std::size_t>(voxel) >= found->voxels.size()) {
        // Only a host that claimed more than it holds gets here; it writes nothing.
        ++hostSession().missingVoxelRequests;
        return;
    }
    const HostVoxel& coordinates = found->voxels[static_cast<std::size_t>(voxel)];
    *x = coordinates.x;
    *y = coordinates.y;
    *z = coordinates.z;
}

// The 32 services a plug-in may look up but never call.
#define NEROLT_DEFINE_UNCALLED(name)                                                               \
    NEROLT_SERVICE void name() {                                                                   \
        recordViolation(#name);                                                                    \
    }
#define NEROLT_SKIP_CALLED(name, Signature)
NEROLT_OTHER_SERVICES(NEROLT_SKIP_CALLED, NEROLT_DEFINE_UNCALLED)

// Every called service must have exactly the signature plug-ins call it with.
#define NEROLT_CHECK_SIGNATURE(name, Signature)                                                    \
    static_assert(std::is_same_v<decltype(&name), Signature*>, #name " has the wrong signature");
#define NEROLT_SKIP_UNCALLED(name)
NEROLT_HOST_SERVICES(NEROLT_CHECK_SIGNATURE, NEROLT_SKIP_UNCALLED)
