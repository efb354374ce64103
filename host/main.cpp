// main.cpp - Nerolt, the stand-in host: loads a plug-in and plays a run against it.
//
// Run `Nerolt --help` for what it does and how to drive it.
#include "command_line.h"
#include "host_session.h"
#include "log_printer.h"
#include "nerolt_plugin_interface.h"
#include "platform/memory_limit.h"
#include "platform/plugin_library.h"
#include "platform/terminal.h"
#include "roi_file_reader.h"
#include "run_player.h"

#include <exception>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

enum ExitStatus : int {
    kDone = 0,
    kPluginUnusable = 1,
    kBadInput = 2,
    kContractBroken = 3,
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? "." : path.substr(0, slash == 0 ? 1 : slash);
}

// Reads the ROI files and puts every ROI, from files and boxes, in command-line order.
std::vector<HostRoi> gatherRois(std::vector<RoiSource> sources) {
    std::vector<HostRoi> rois;
    for (RoiSource& source : sources) {
        if (source.roiFile.empty()) {
            rois.push_back(std::move(source.roi));
            continue;
        }
        for (HostRoi& roi : readRoiFile(source.roiFile)) {
            rois.push_back(std::move(roi));
        }
    }
    return rois;
}

void showMetadata(const PluginLibrary& library) {
    const char* labels[] = {"name", "version", "help file", "description", "author"};
    for (std::size_t i = 0; i < std::size(kPluginMetadataExports); ++i) {
        auto* get = reinterpret_cast<PluginTextFunction*>(library.find(kPluginMetadataExports[i]));
        const char* text = get != nullptr ? get() : nullptr;
        std::cerr << "Nerolt:   " << labels[i] << ": "
                  << (get == nullptr    ? std::string("(not exported)")
                      : text == nullptr ? std::string("(null)")
                                        : renderLogLine(text, false))
                  << '\n';
    }
}

std::string describeVersion(const Scenario& scenario) {
    if (!scenario.version) {
        return "a host that reports no version";
    }
    return "host version " + std::to_string(scenario.version->major) + "." +
           std::to_string(scenario.version->minor) + "." +
           std::to_string(scenario.version->subVersion);
}

struct DeletePlugin {
    void operator()(NeroltPluginInterface* plugin) const { delete plugin; }
};

int play(HostSession& session) {
    Scenario& scenario = session.scenario;
    PluginLibrary library(scenario.pluginPath);
    if (!library.isLoaded()) {
        std::cerr << "Nerolt: error: cannot load the plug-in " << scenario.pluginPath << ": "
                  << library.error() << '\n';
        return kPluginUnusable;
    }
    std::cerr << "Nerolt: loaded " << scenario.pluginPath << '\n';
    showMetadata(library);

    auto* createPlugin = reinterpret_cast<CreatePluginFunction*>(library.find("createPlugin"));
    if (createPlugin == nullptr) {
        std::cerr << "Nerolt: error: the library exports no createPlugin\n";
        return kPluginUnusable;
    }

    // Every object is created and linked before the first run, as a host with several plug-in
    // windows open would do; they share the one loaded library.
    std::vector<std::unique_ptr<NeroltPluginInterface, DeletePlugin>> plugins;
    for (int object = 0; object < scenario.objects; ++object) {
        plugins.emplace_back(createPlugin());
        if (!plugins.back()) {
            std::cerr << "Nerolt: error: createPlugin returned no object\n";
            return kPluginUnusable;
        }
        if (!plugins.back()->initPlugin()) {
            std::cerr << "Nerolt: initPlugin refused this host (" << describeVersion(scenario)
                      << "); the plug-in called " << session.serviceCalls << " host services\n";
            return kPluginUnusable;
        }
    }
    std::cerr << "Nerolt: initPlugin accepted " << describeVersion(scenario) << '\n';

    if (!scenario.infoOnly) {
        std::cerr << "Nerolt: playing a run of " << scenario.expectedTimePoints << " time points"
                  << (scenario.startOnCompletedRun
                          ? ", already complete"
                          : (scenario.stopAtTimePoint < scenario.expectedTimePoints
                                 ? ", stopping after " + std::to_string(scenario.stopAtTimePoint)
                                 : std::string()))
                  << ", with " << scenario.rois.size() << " ROIs\n";
        for (int run = 0; run < scenario.runs; ++run) {
            for (auto& plugin : plugins) {
                playRun(*plugin, session);
            }
        }
    }
    plugins.clear();

    if (session.missingVoxelRequests > 0) {
        std::cerr << "Nerolt: the plug-in asked for " << session.missingVoxelRequests
                  << " voxels that the host's answers claimed but that do not exist\n";
    }
    for (const std::string& violation : session.contractViolations) {
        std::cerr << "Nerolt: contract violation: " << violation << '\n';
    }
    return session.contractViolations.empty() ? kDone : kContractBroken;
}

} // namespace

int main(int argc, char** argv) {
    HostSession& session = hostSession();
    try {
        CommandLine line = parseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
        if (line.showHelp) {
            std::cout << commandLineHelp();
            return kDone;
        }
        session.scenario = std::move(line.scenario);
        session.scenario.rois = gatherRois(std::move(line.roiSources));
        if (session.scenario.pluginsPath.empty()) {
            session.scenario.pluginsPath = folderOf(session.scenario.pluginPath);
        }
    } catch (const CommandLineError& error) {
        std::cerr << "Nerolt: error: " << error.what() << "\nTry 'Nerolt --help'.\n";
        return kBadInput;
    } catch (const RoiFileError& error) {
        std::cerr << "Nerolt: error: " << error.what() << "\nNothing was run.\n";
        return kBadInput;
    }

    session.styledLog = !session.scenario.rawHtml && standardOutputIsTerminal();
    if (session.scenario.memoryLimitMiB > 0) {
        std::string reason;
        if (!limitAddressSpace(session.scenario.memoryLimitMiB, reason)) {
            std::cerr << "Nerolt: error: --memory-limit: " << reason << '\n';
            return kBadInput;
        }
    }

    try {
        return play(session);
    } catch (const std::exception& error) {
        std::cerr << "Nerolt: error: " << error.what() << '\n';
        return kPluginUnusable;
    }
}
