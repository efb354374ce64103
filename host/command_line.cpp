// command_line.cpp - turning the host's arguments into a scenario.
#include "command_line.h"

#include "nerolt_host_services.h"

#include <charconv>

namespace {

const char kHelp[] =
    R"(Usage: Nerolt [options] PLUGIN [ROI-FILE...]

A stand-in for the Nerolt host, for developing and testing plug-ins without it.
It loads the plug-in library PLUGIN (PelmoraPlugin.so or PelmoraPlugin.dll), shows
its metadata, links it to this host (initPlugin) and plays one run against it:
executePreRun, then executePreStep and executePostStep around every time point,
then executePostRun. The host offers the plug-in the same services, under the
same names, as the real host does.

The plug-in's log goes to standard output, the host's own messages (the save
dialog, problems found) to standard error.

ROIs (in the order given):
  ROI-FILE                 a ".roi" file; each of its voxel lists is one ROI
  --roi-box X0:X1,Y0:Y1,Z0:Z1
                           an ROI holding every voxel of this box, bounds
                           included ("7" for 7:7); numbered z, then y, then x
  --empty-roi              an ROI without voxels

The run:
  --time-points N          the run's expected number of time points (default 5)
  --stop-at T              the run stops after time point T, before it is
                           complete; the plug-in sees an aborted run
  --completed              start the plug-in on a run that is already complete;
                           the host then only ends the run
  --runs N                 play N runs, one after the other (default 1)
  --objects N              create N plug-in objects at once; each plays every run
  --info                   show the metadata and initPlugin's answer; no run

The host:
  --host-version A.B.C     the version the host reports (default 3.0.0);
                           "none": the host writes nothing
  --plugins-path DIR       answer of tGetPluginsPath (default: PLUGIN's folder)
  --target-folder DIR      answer of tGetTargetFolder (default: .)

The save dialog:
  --save-as FILE           answer the save dialog with FILE; a relative name is
                           taken in the folder the dialog starts in, as a
                           dialog would. Repeat it for several dialogs; the
                           last answer is used again
  --cancel                 answer the next save dialog with Cancel
  With neither, the host asks on the terminal; without a terminal it cancels.

A misbehaving host, to see how a plug-in copes:
  --nr-of-rois-answers N,N,...    answers of tGetNrOfROIs, one per call, the
                                  last repeated (negative or huge is fine)
  --nr-of-voxels-answers N,N,...  answers of tGetNrOfVoxelsOfROI, likewise
  --unterminated-buffers   fill every text buffer to its last byte, without a
                           terminating zero
  --memory-limit MIB       limit the address space so that the plug-in's
                           allocations fail early (Linux)

Output:
  --raw-html               print the log as the raw HTML the plug-in sent,
                           instead of rendering <b>, <i> and <br>
  -h, --help               show this text

Exit status: 0 the run was played; 1 the plug-in could not be loaded or
created, or initPlugin refused this host; 2 a bad command line or ROI file;
3 the plug-in broke the host's contract (called a service it must not call,
or let an exception escape).

Examples:
  Nerolt build/linux/bin/PelmoraPlugin.so --info
  Nerolt PelmoraPlugin.so examples/*.roi --target-folder out --save-as merged.roi
  Nerolt PelmoraPlugin.so --roi-box 0:9,0:9,0:4 --roi-box 5:14,5:14,2:6 --stop-at 3
)";

int parseInt(const std::string& text, const std::string& what) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end) {
        throw CommandLineError(what + ": \"" + text + "\" is not a whole number (32-bit)");
    }
    return value;
}

int parseCount(const std::string& text, const std::string& what) {
    const int count = parseInt(text, what);
    if (count < 1 || count > 1000) {
        throw CommandLineError(what + ": " + text + " is not between 1 and 1000");
    }
    return count;
}

std::vector<int> parseIntList(const std::string& text, const std::string& what) {
    std::vector<int> values;
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        values.push_back(parseInt(text.substr(start, comma - start), what));
        if (comma == std::string::npos) {
            return values;
        }
        start = comma + 1;
    }
}

HostVersion parseVersion(const std::string& text) {
    const std::vector<std::string> parts = [&] {
        std::vector<std::string> pieces;
        std::size_t start = 0;
        for (std::size_t dot; (dot = text.find('.', start)) != std::string::npos; start = dot + 1) {
            pieces.push_back(text.substr(start, dot - start));
        }
        pieces.push_back(text.substr(start));
        return pieces;
    }();
    if (parts.size() != 3) {
        throw CommandLineError("--host-version: \"" + text +
                               "\" is not MAJOR.MINOR.SUB, such as 3.0.0, nor \"none\"");
    }
    return {parseInt(parts[0], "--host-version major"), parseInt(parts[1], "--host-version minor"),
            parseInt(parts[2], "--host-version sub-version")};
}

// "X0:X1" or "X" (a single value) as an inclusive range.
std::pair<int, int> parseRange(const std::string& text, const std::string& what) {
    const std::size_t colon = text.find(':');
    const int first = parseInt(text.substr(0, colon), what);
    const int last = colon == std::string::npos ? first : parseInt(text.substr(colon + 1), what);
    if (last < first) {
        throw CommandLineError(what + ": the range \"" + text + "\" ends before it starts");
    }
    return {first, last};
}

HostRoi parseBox(const std::string& text) {
    const std::string what = "--roi-box " + text;
    std::vector<std::string> axes;
    std::size_t start = 0;
    for (std::size_t comma; (comma = text.find(',', start)) != std::string::npos;
         start = comma + 1) {
        axes.push_back(text.substr(start, comma - start));
    }
    axes.push_back(text.substr(start));
    if (axes.size() != 3) {
        throw CommandLineError(what + ": expected three ranges X0:X1,Y0:Y1,Z0:Z1");
    }
    const auto [x0, x1] = parseRange(axes[0], what + " (x)");
    const auto [y0, y1] = parseRange(axes[1], what + " (y)");
    const auto [z0, z1] = parseRange(axes[2], what + " (z)");

    // A host reports voxel counts as int: refuse boxes it could not count.
    const long long count = (static_cast<long long>(x1) - x0 + 1) *
                            (static_cast<long long>(y1) - y0 + 1) *
                            (static_cast<long long>(z1) - z0 + 1);
    constexpr long long kMaxVoxels = 100'000'000;
    if (count > kMaxVoxels) {
        throw CommandLineError(what + ": " + std::to_string(count) +
                               " voxels; the stand-in host holds at most 100000000 per box");
    }

    HostRoi roi{"--roi-box " + text, {}};
    roi.voxels.reserve(static_cast<std::size_t>(count));
    for (long long z = z0; z <= z1; ++z) {
        for (long long y = y0; y <= y1; ++y) {
            for (long long x = x0; x <= x1; ++x) {
                roi.voxels.push_back(
                    {static_cast<int>(x), static_cast<int>(y), static_cast<int>(z)});
            }
        }
    }
    return roi;
}

// The host fills the plug-in's fixed-size buffers; a text that does not fit cannot be answered.
std::string checkedText(const std::string& text, int bufferSize, const std::string& what) {
    if (text.size() >= static_cast<std::size_t>(bufferSize)) {
        throw CommandLineError(what + ": " + std::to_string(text.size()) +
                               " characters do not fit the plug-in's " +
                               std::to_string(bufferSize) + "-byte buffer (at most " +
                               std::to_string(bufferSize - 1) + ")");
    }
    return text;
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine line;
    Scenario& scenario = line.scenario;
    bool stopAtGiven = false;

    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) {
                throw CommandLineError(argument + " needs a value");
            }
            return arguments[++i];
        };

        if (argument == "-h" || argument == "--help") {
            line.showHelp = true;
            return line;
        } else if (argument == "--time-points") {
            scenario.expectedTimePoints = parseInt(value(), argument);
        } else if (argument == "--stop-at") {
            scenario.stopAtTimePoint = parseInt(value(), argument);
            stopAtGiven = true;
        } else if (argument == "--completed") {
            scenario.startOnCompletedRun = true;
        } else if (argument == "--runs") {
            scenario.runs = parseCount(value(), argument);
        } else if (argument == "--objects") {
            scenario.objects = parseCount(value(), argument);
        } else if (argument == "--info") {
            scenario.infoOnly = true;
        } else if (argument == "--roi-box") {
            line.roiSources.push_back({"", parseBox(value())});
        } else if (argument == "--empty-roi") {
            line.roiSources.push_back({"", {"--empty-roi", {}}});
        } else if (argument == "--host-version") {
            const std::string& text = value();
            scenario.version =
                text == "none" ? std::nullopt : std::optional<HostVersion>(parseVersion(text));
        } else if (argument == "--plugins-path") {
            scenario.pluginsPath = checkedText(value(), kPluginsPathBufferSize, argument);
        } else if (argument == "--target-folder") {
            scenario.targetFolder = checkedText(value(), kHostTextBufferSize, argument);
        } else if (argument == "--save-as") {
            const std::string& path = value();
            if (path.empty()) {
                throw CommandLineError("--save-as needs a file name; use --cancel to cancel");
            }
            scenario.saveDialogAnswers.emplace_back(
                checkedText(path, kHostTextBufferSize, argument));
        } else if (argument == "--cancel") {
            scenario.saveDialogAnswers.emplace_back(std::nullopt);
        } else if (argument == "--nr-of-rois-answers") {
            scenario.nrOfROIsAnswers = parseIntList(value(), argument);
        } else if (argument == "--nr-of-voxels-answers") {
            scenario.nrOfVoxelsAnswers = parseIntList(value(), argument);
        } else if (argument == "--unterminated-buffers") {
            scenario.unterminatedBuffers = true;
        } else if (argument == "--memory-limit") {
            scenario.memoryLimitMiB = parseInt(value(), argument);
            if (scenario.memoryLimitMiB <= 0) {
                throw CommandLineError("--memory-limit needs a positive number of MiB");
            }
        } else if (argument == "--raw-html") {
            scenario.rawHtml = true;
        } else if (argument.size() > 1 && argument[0] == '-') {
            throw CommandLineError("unknown option " + argument);
        } else if (scenario.pluginPath.empty()) {
            scenario.pluginPath = argument;
        } else {
            line.roiSources.push_back({argument, {}});
        }
    }

    if (scenario.pluginPath.empty()) {
        throw CommandLineError("no plug-in given: name the plug-in library first");
    }
    if (scenario.expectedTimePoints < 0) {
        throw CommandLineError("--time-points cannot be negative");
    }
    if (!stopAtGiven) {
        scenario.stopAtTimePoint = scenario.expectedTimePoints;
    } else if (scenario.stopAtTimePoint < 0 ||
               scenario.stopAtTimePoint > scenario.expectedTimePoints) {
        throw CommandLineError("--stop-at " + std::to_string(scenario.stopAtTimePoint) +
                               " is outside the run of " +
                               std::to_string(scenario.expectedTimePoints) + " time points");
    }
    if (scenario.startOnCompletedRun && stopAtGiven) {
        throw CommandLineError("--completed and --stop-at contradict each other");
    }
    return line;
}

const char* commandLineHelp() {
    return kHelp;
}
