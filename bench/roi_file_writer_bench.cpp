// roi_file_writer_bench.cpp - how fast the ".roi" writer is, next to what cannot be beaten and
// next to the obvious way.
//
// Every case writes the same file: one list of 1,000,000 voxels with coordinates 0..255.
//  - Writer:             RoiFileHeader::writeRoiFile (temporary file, sync to disk, rename).
//  - FloorFwrite:        the identical bytes, prepared beforehand, in one fwrite, then fclose.
//  - FloorFwriteSynced:  the same, synced to disk before fclose. The writer syncs too, so this
//                        is the fair floor: writer / synced floor is the cost of formatting.
//  - PlainStream:        std::ofstream << int, the straightforward writer of the same format.
// The ratios are printed after the table. Files go to a scratch folder beside the executable,
// on the build's own disk (a RAM-backed /tmp would make the syncs free), removed at the end.
#include "roi_file_header.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <random>
#include <string>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace {

namespace fs = std::filesystem;

const RoiFileHeader header(5, 1, 0, 0, 1);
fs::path scratchFolder;

std::string scratchPath(const char* name) {
    return (scratchFolder / name).string();
}

const RoiVoxelLists& benchmarkLists() {
    static const RoiVoxelLists lists = [] {
        std::mt19937 random(42);
        std::uniform_int_distribution<std::int32_t> coordinate(0, 255);
        RoiVoxelList voxels(1000000);
        for (RoiVoxel& voxel : voxels) {
            voxel = RoiVoxel{1.0f, coordinate(random), coordinate(random), coordinate(random)};
        }
        return RoiVoxelLists{voxels};
    }();
    return lists;
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The writer's exact output, made once; the floor writes these bytes.
const std::string& preparedBytes() {
    static const std::string bytes = [] {
        const std::string path = scratchPath("prepared.roi");
        header.writeRoiFile(benchmarkLists(), path.c_str());
        return readFile(path);
    }();
    return bytes;
}

// The straightforward way: a stream and its number formatting.
bool writeWithPlainStream(const RoiFileHeader& fileHeader, const RoiVoxelLists& lists,
                          const std::string& path) {
    std::ofstream out(path, std::ios::binary);
    out << "FileVersion:\t" << fileHeader.fileVersion << "\r\n\r\n"
        << "SaveVoxelsInROIs:\t" << fileHeader.saveVoxelsInROIs << "\r\n\r\n"
        << "SaveSortedVoxelList:\t" << fileHeader.saveSortedVoxelList << "\r\n\r\n"
        << "SaveROIMaxPSC:\t" << fileHeader.saveROIMaxPSC << "\r\n\r\n"
        << "NrOfTCPlots:\t" << fileHeader.nrOfTCPlots;
    for (std::int32_t i = 0; i < fileHeader.nrOfTCPlots; ++i) {
        const RoiVoxelList& voxels = lists[static_cast<std::size_t>(i)];
        auto [minX, maxX] = std::minmax_element(
            voxels.begin(), voxels.end(), [](const auto& a, const auto& b) { return a.x < b.x; });
        auto [minY, maxY] = std::minmax_element(
            voxels.begin(), voxels.end(), [](const auto& a, const auto& b) { return a.y < b.y; });
        auto [minZ, maxZ] = std::minmax_element(
            voxels.begin(), voxels.end(), [](const auto& a, const auto& b) { return a.z < b.z; });
        out << "\r\n\r\nNrOfTCs:\t1\r\nFromSlice:\t" << maxZ->z - (maxZ->z - minZ->z) / 2 + 1
            << "\r\nLeft:\t" << minX->x + 1 << "\r\nRight:\t" << maxX->x + 2 << "\r\nTop:\t"
            << minY->y + 1 << "\r\nBottom:\t" << maxY->y + 2 << "\r\nNrOfVoxels:\t" << voxels.size()
            << "\r\n";
        for (const RoiVoxel& voxel : voxels) {
            out << voxel.x << '\t' << voxel.y << '\t' << voxel.z << "\t\r\n";
        }
    }
    out.close();
    return !out.fail();
}

bool writeReadyBytes(const std::string& bytes, const std::string& path, bool syncToDisk) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return false;
    }
    bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (syncToDisk) {
#ifdef _WIN32
        written = std::fflush(file) == 0 && _commit(_fileno(file)) == 0 && written;
#else
        written = std::fflush(file) == 0 && fsync(fileno(file)) == 0 && written;
#endif
    }
    return std::fclose(file) == 0 && written;
}

void setBytesProcessed(benchmark::State& state) {
    state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(preparedBytes().size()));
}

void Writer(benchmark::State& state) {
    const std::string path = scratchPath("writer.roi");
    for (auto _ : state) {
        // The writer takes its own copy of the lists; making that copy is the caller's work.
        state.PauseTiming();
        RoiVoxelLists copy = benchmarkLists();
        state.ResumeTiming();
        if (!header.writeRoiFile(std::move(copy), path.c_str())) {
            state.SkipWithError("writeRoiFile failed");
        }
    }
    setBytesProcessed(state);
}

void FloorFwrite(benchmark::State& state) {
    const std::string path = scratchPath("floor.roi");
    for (auto _ : state) {
        if (!writeReadyBytes(preparedBytes(), path, false)) {
            state.SkipWithError("fwrite failed");
        }
    }
    setBytesProcessed(state);
}

void FloorFwriteSynced(benchmark::State& state) {
    const std::string path = scratchPath("floor-synced.roi");
    for (auto _ : state) {
        if (!writeReadyBytes(preparedBytes(), path, true)) {
            state.SkipWithError("fwrite failed");
        }
    }
    setBytesProcessed(state);
}

void PlainStream(benchmark::State& state) {
    const std::string path = scratchPath("plain-stream.roi");
    for (auto _ : state) {
        if (!writeWithPlainStream(header, benchmarkLists(), path)) {
            state.SkipWithError("std::ofstream failed");
        }
    }
    setBytesProcessed(state);
}

BENCHMARK(Writer)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FloorFwrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FloorFwriteSynced)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PlainStream)->Unit(benchmark::kMillisecond)->UseRealTime();

// Shows the table as usual and keeps each case's time (the median when repeated) for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool isMedian =
                run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || isMedian) {
                milliseconds[run.run_name.function_name] = run.GetAdjustedRealTime();
            }
        }
    }
    std::map<std::string, double> milliseconds;
};

void printRatio(const RatioReporter& reporter, const char* label, const char* numerator,
                const char* denominator) {
    const auto top = reporter.milliseconds.find(numerator);
    const auto bottom = reporter.milliseconds.find(denominator);
    if (top != reporter.milliseconds.end() && bottom != reporter.milliseconds.end()) {
        std::printf("%-44s %6.2fx  (%s %.2f ms / %s %.2f ms)\n", label,
                    top->second / bottom->second, numerator, top->second, denominator,
                    bottom->second);
    }
}

// Stops a run whose comparison would be meaningless: all three writers must give equal bytes.
bool writersAgree() {
    const std::string path = scratchPath("check.roi");
    return writeWithPlainStream(header, benchmarkLists(), path) &&
           readFile(path) == preparedBytes();
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    scratchFolder = fs::absolute(fs::path(argv[0])).parent_path() / "roi-file-writer-bench-scratch";
    fs::create_directories(scratchFolder);
    if (!writersAgree()) {
        std::cerr
            << "the writers disagree: the plain stream writer does not give the writer's bytes\n";
        fs::remove_all(scratchFolder);
        return 1;
    }
    std::printf("file: %zu bytes, 1 list of %zu voxels\n", preparedBytes().size(),
                benchmarkLists()[0].size());

    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n");
    printRatio(reporter, "writer / floor synced (fair: both sync)", "Writer", "FloorFwriteSynced");
    printRatio(reporter, "writer / floor unsynced (sync cost included)", "Writer", "FloorFwrite");
    printRatio(reporter, "plain stream / writer (writer's speed-up)", "PlainStream", "Writer");
    fs::remove_all(scratchFolder);
    return 0;
}
