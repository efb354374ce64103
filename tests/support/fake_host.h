// fake_host.h - an in-process stand-in for the host executable, behind the plug-in's platform
// layer. Tests link the plug-in's code with this file instead of the real module look-up, decide
// which services the "host module" exports and how they answer, and read what the plug-in did.
#pragma once

#include <array>
#include <optional>
#include <set>
#include <string>
#include <vector>

struct FakeVersion {
    int major;
    int minor;
    int subVersion;
};

struct FakeHost {
    // Whether a module named "Nerolt.exe" is loaded at all, and which exports it lacks.
    bool moduleLoaded = true;
    std::set<std::string> withheldExports;

    // Answers. version: none means tGetVersionOfNerolt writes nothing.
    std::optional<FakeVersion> version = FakeVersion{3, 0, 0};
    int expectedTimePoints = 10;
    int currentTimePoint = 10;
    std::vector<std::vector<std::array<int, 3>>> rois;
    std::string pluginsPath = "/plugins";
    std::string targetFolder = "/target";
    std::string saveAnswer; // "" means the dialog is cancelled
    bool unterminatedBuffers = false;

    // What the plug-in did.
    std::vector<std::string> lookedUp; // export names, in look-up order
    std::vector<std::string> calls;    // services called, in order
    std::vector<std::string> log;      // tLogText lines
    struct Dialog {
        std::string title, startFolder, filter;
    };
    std::vector<Dialog> dialogs;

    int callsOf(const std::string& service) const;
};

// The fake host of this test process; reset() gives a complete, well-behaved host of 3.0.0.
FakeHost& fakeHost();
void resetFakeHost();

// The 42 service names in the host's table order, written out independently of the plug-in.
extern const std::array<const char*, 42> kHostServiceNames;
