// host_session.h - the state behind the host's exported services during one session.
//
// The services are plain C functions that plug-ins call without any context, so the state they
// answer from lives in one object for the whole process.
#pragma once

#include "scenario.h"

#include <cstddef>
#include <string>
#include <vector>

struct HostSession {
    Scenario scenario;
    int currentTimePoint = 0;
    bool styledLog = false;

    // Progress through the scripted answers.
    std::size_t saveDialogsShown = 0;
    std::size_t nrOfROIsCalls = 0;
    std::size_t nrOfVoxelsCalls = 0;

    // Every service call the plug-in made.
    long long serviceCalls = 0;
    // What the plug-in did that the host's contract forbids, in the order it happened.
    std::vector<std::string> contractViolations;
    // Voxels the plug-in asked for that do not exist: only possible when hostile answers made
    // the host claim more than it holds.
    long long missingVoxelRequests = 0;
};

// The one session of this process.
HostSession& hostSession();
