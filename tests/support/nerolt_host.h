// nerolt_host.h - running the stand-in host with the built plug-in, for end-to-end tests.
#pragma once

#include <string>
#include <vector>

struct HostRun {
    int exitCode = -1;
    std::vector<std::string> log; // the plug-in's log lines, as raw HTML
    std::string messages;         // the host's own messages (standard error)

    // How often the host showed its save dialog.
    int dialogsShown() const;
};

// Runs a host build (the default "Nerolt", or a test variant such as "without-version") with
// the built plug-in library and `arguments`, the log printed as raw HTML.
// fileSizeLimit > 0 (POSIX) makes the disk look full beyond that many bytes per file.
HostRun runNerolt(const std::vector<std::string>& arguments, const std::string& variant = "",
                  long fileSizeLimit = 0);

// The built plug-in library, as the running platform spells its path.
std::string pluginLibraryPath();
