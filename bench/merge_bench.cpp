// merge_bench.cpp - a whole merge through the real plug-in library, next to the floor.
//
// This program is an in-process host: it exports the services a plug-in calls, loads the built
// PelmoraPlugin.so and drives executePostRun, which gathers 4 ROIs of 250,000 voxels each, copies
// the list for the writer and writes the merged ".roi" file. The plug-in finds its host by the
// executable's file name, so this benchmark is built under the name "Nerolt".
//
// Reported in the same run:
//  - Merge:              the whole executePostRun (gathering, copy, write);
//  - FloorFwrite:        the identical file bytes, ready-made, in one fwrite and fclose;
//  - FloorFwriteSynced:  the same, synced to disk before closing, as the writer does.
// After the table: the ratios, and the peak of memory the plug-in allocated during one merge
// against the size of the two voxel lists (the gathered list and the writer's copy). The peak
// is measured by this program's operator new, which the plug-in's allocations bind to.
#include "../host/platform/plugin_library.h"
#include "../plugin/nerolt_plugin_interface.h"

#include "counting_allocator.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <memory>
#include <new>
#include <string>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

#define BENCH_EXPORT __attribute__((visibility("default")))

// ---- The host's side: four box ROIs of 250,000 voxels, a complete run, a fixed file name.
namespace {
constexpr int kRois = 4;
constexpr int kVoxelsPerRoi = 250'000; // 100 x 50 x 50
std::string savePath;

void coordinatesOf(int roi, int voxel, int* x, int* y, int* z) {
    *x = 30 * roi + voxel % 100;
    *y = (voxel / 100) % 50;
    *z = voxel / 5000;
}
} // namespace

extern "C" {
BENCH_EXPORT void tGetVersionOfNerolt(int* major, int* minor, int* subVersion) {
    *major = 3;
    *minor = 0;
    *subVersion = 0;
}
BENCH_EXPORT void tGetPluginsPath(char* path) {
    std::strcpy(path, ".");
}
BENCH_EXPORT void tLogText(const char*) {}
BENCH_EXPORT void tGetSaveFileName(const char*, char*, const char*, char* fileName) {
    std::strcpy(fileName, savePath.c_str());
}
BENCH_EXPORT int tGetCurrentTimePoint() {
    return 10;
}
BENCH_EXPORT int tGetExpectedNrOfTimePoints() {
    return 10;
}
BENCH_EXPORT void tGetTargetFolder(char* folder) {
    std::strcpy(folder, ".");
}
BENCH_EXPORT int tGetNrOfROIs() {
    return kRois;
}
BENCH_EXPORT int tGetNrOfVoxelsOfROI(int) {
    return kVoxelsPerRoi;
}
BENCH_EXPORT void tGetCoordsOfVoxelOfROI(int roi, int voxel, int* x, int* y, int* z) {
    coordinatesOf(roi, voxel, x, y, z);
}
}

namespace {

struct DeletePlugin {
    void operator()(NeroltPluginInterface* plugin) const { delete plugin; }
};

std::unique_ptr<PluginLibrary> library;
std::unique_ptr<NeroltPluginInterface, DeletePlugin> plugin;
std::string fileBytes;
std::map<std::string, double> secondsPerRun;

void Merge(benchmark::State& state) {
    for (auto _ : state) {
        plugin->executePostRun();
    }
}

void writeFloor(benchmark::State& state, bool sync) {
    const std::string path = savePath + ".floor";
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(fileBytes.data(), 1, fileBytes.size(), file);
        std::fflush(file);
        if (sync) {
            fsync(fileno(file));
        }
        std::fclose(file);
    }
    fs::remove(path);
}
void FloorFwrite(benchmark::State& state) {
    writeFloor(state, false);
}
void FloorFwriteSynced(benchmark::State& state) {
    writeFloor(state, true);
}

// Collects the mean real time of each benchmark for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            // A single run, or the mean of repetitions (--benchmark_repetitions).
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool mean = run.run_type == Run::RT_Aggregate && run.aggregate_name == "mean";
            if ((single || mean) && !run.error_occurred) {
                secondsPerRun[run.run_name.function_name] =
                    run.real_accumulated_time / static_cast<double>(run.iterations);
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
};

} // namespace

BENCHMARK(Merge)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FloorFwrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FloorFwriteSynced)->Unit(benchmark::kMillisecond)->UseRealTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const fs::path folder = fs::path(argv[0]).parent_path() / "merge-bench-scratch";
    fs::create_directories(folder);
    savePath = (folder / "merged.roi").string();

    library = std::make_unique<PluginLibrary>(PELMORA_PLUGIN_LIBRARY);
    if (!library->isLoaded()) {
        std::cerr << "cannot load " << PELMORA_PLUGIN_LIBRARY << ": " << library->error() << '\n';
        return 1;
    }
    auto* create = reinterpret_cast<CreatePluginFunction*>(library->find("createPlugin"));
    plugin.reset(create());
    if (!plugin->initPlugin()) {
        std::cerr << "initPlugin refused this host\n";
        return 1;
    }

    // One merge outside the timing: the file bytes for the floor, and the memory peak of a merge
    // on a fresh object.
    {
        std::unique_ptr<NeroltPluginInterface, DeletePlugin> fresh(create());
        fresh->initPlugin();
        const std::size_t before = counting_allocator::liveBytes();
        counting_allocator::resetPeak();
        fresh->executePostRun();
        const std::size_t peak = counting_allocator::peakBytes() - before;
        const std::size_t listBytes = std::size_t{kRois} * kVoxelsPerRoi * 16;
        std::ifstream in(savePath, std::ios::binary);
        fileBytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        std::printf("File: %zu bytes, %d voxels. Peak memory of one merge: %.1f MiB; two voxel "
                    "lists: %.1f MiB (peak / two lists = %.2f)\n",
                    fileBytes.size(), kRois * kVoxelsPerRoi, static_cast<double>(peak) / 1048576.0,
                    2.0 * static_cast<double>(listBytes) / 1048576.0,
                    static_cast<double>(peak) / (2.0 * static_cast<double>(listBytes)));
    }

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    if (secondsPerRun.count("Merge") && secondsPerRun.count("FloorFwrite") &&
        secondsPerRun.count("FloorFwriteSynced")) {
        std::printf("merge / fwrite floor:        %.2f\n",
                    secondsPerRun["Merge"] / secondsPerRun["FloorFwrite"]);
        std::printf("merge / synced fwrite floor: %.2f  (target: at most 2)\n",
                    secondsPerRun["Merge"] / secondsPerRun["FloorFwriteSynced"]);
    }

    plugin.reset();
    library.reset();
    fs::remove_all(folder);
    benchmark::Shutdown();
    return 0;
}
