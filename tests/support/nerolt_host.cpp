// nerolt_host.cpp - where the built host and plug-in are, and how a run's output is read.
#include "nerolt_host.h"

#include "process_runner.h"

#include <sstream>

namespace {
// Set by the build: the folder of the executables, the plug-in library, the executable suffix.
const std::string kBinaryFolder = NEROLT_BINARY_FOLDER;
const std::string kPluginLibrary = PELMORA_PLUGIN_LIBRARY;
const std::string kExecutableSuffix = NEROLT_EXECUTABLE_SUFFIX;

std::string hostExecutable(const std::string& variant) {
    if (variant.empty()) {
        return kBinaryFolder + "/Nerolt" + kExecutableSuffix;
    }
    const std::string name = variant == "renamed" ? "Stranger" : "Nerolt";
    return kBinaryFolder + "/host-variants/" + variant + "/" + name + kExecutableSuffix;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back(); // standard output is a text stream on Windows
        }
        lines.push_back(line);
    }
    return lines;
}
} // namespace

int HostRun::dialogsShown() const {
    int count = 0;
    for (std::size_t at = messages.find("save dialog"); at != std::string::npos;
         at = messages.find("save dialog", at + 1)) {
        ++count;
    }
    return count;
}

std::string pluginLibraryPath() {
    return nativePath(kPluginLibrary);
}

HostRun runNerolt(const std::vector<std::string>& arguments, const std::string& variant,
                  long fileSizeLimit) {
    std::vector<std::string> all = {pluginLibraryPath(), "--raw-html"};
    all.insert(all.end(), arguments.begin(), arguments.end());
    const ProcessResult process =
        runProcess(nativePath(hostExecutable(variant)), all, fileSizeLimit);
    return {process.exitCode, linesOf(process.standardOutput), process.standardError};
}
