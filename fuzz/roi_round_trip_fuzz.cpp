// roi_round_trip_fuzz.cpp - what the writer writes, the host reads back unchanged.
//
// The fuzz bytes become a header (any 32-bit values) and up to four voxel lists with any 32-bit
// coordinates, some long enough to run past the end of the writer's 64 KiB buffer. The target
// writes them with writeRoiFile to a file in a folder of its own, then:
//  - the file must hold exactly the text that expected_roi_file.cpp works out independently:
//    the header values, the block headings (FromSlice, Left, Right, Top, Bottom, NrOfVoxels)
//    and the voxel lines, with CR LF line breaks;
//  - the host's reader must accept it and give back the same voxels, list by list, in order;
//  - a request the writer must refuse (an empty list, too few lists, a heading number beyond
//    32 bits) must throw std::out_of_range and leave the file there as it was;
//  - either way, no temporary file may be left beside the target.
#include "expected_roi_file.h"
#include "fuzz_failure.h"
#include "private_temp_folder.h"
#include "roi_file_header.h"
#include "roi_file_reader.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using pelmora_fuzz::fuzzFailure;

constexpr std::size_t maximumListCount = 4;
constexpr std::size_t maximumVoxelCount = 64;
// Now and then a list repeats its voxels up to this many lines, so that the file outgrows the
// writer's 64 KiB buffer and voxel lines land at its end. Kept rare and this short: such an input
// costs a hundred small ones.
constexpr std::size_t maximumRepeatedVoxelCount = 4096;

struct WriteRequest {
    RoiFileHeader header;
    RoiVoxelLists lists;
};

RoiVoxel voxelFrom(FuzzedDataProvider& data) {
    const auto x = data.ConsumeIntegral<std::int32_t>();
    const auto y = data.ConsumeIntegral<std::int32_t>();
    const auto z = data.ConsumeIntegral<std::int32_t>();
    return RoiVoxel{1.0f, x, y, z};
}

RoiVoxelList voxelListFrom(FuzzedDataProvider& data) {
    if (data.ConsumeIntegralInRange(0, 15) == 15) {
        return {};
    }
    RoiVoxelList list(data.ConsumeIntegralInRange<std::size_t>(1, maximumVoxelCount));
    for (RoiVoxel& voxel : list) {
        voxel = voxelFrom(data);
    }
    if (data.ConsumeIntegralInRange(0, 31) == 31) {
        const std::size_t distinct = list.size();
        list.resize(data.ConsumeIntegralInRange(distinct, maximumRepeatedVoxelCount));
        for (std::size_t i = distinct; i < list.size(); ++i) {
            list[i] = list[i % distinct];
        }
    }
    return list;
}

// Mostly requests the writer must carry out. Now and then a list is empty or nrOfTCPlots is one
// more than the lists, so that the refusals are checked too. A negative nrOfTCPlots is left
// out: it writes the header alone, as 0 does.
// The seeds in corpus/roi_round_trip are made for this order of reading the bytes (their names say
// what each asks for); a change of the order leaves them valid inputs but no longer those requests.
WriteRequest requestFrom(FuzzedDataProvider& data) {
    RoiVoxelLists lists(data.ConsumeIntegralInRange<std::size_t>(0, maximumListCount));
    for (RoiVoxelList& list : lists) {
        list = voxelListFrom(data);
    }
    const auto fileVersion = data.ConsumeIntegral<std::int32_t>();
    const auto saveVoxelsInROIs = data.ConsumeIntegral<std::int32_t>();
    const auto saveSortedVoxelList = data.ConsumeIntegral<std::int32_t>();
    const auto saveROIMaxPSC = data.ConsumeIntegral<std::int32_t>();
    const int nrOfTCPlots = data.ConsumeIntegralInRange(0, static_cast<int>(lists.size()) + 1);
    return WriteRequest{RoiFileHeader(fileVersion, saveVoxelsInROIs, saveSortedVoxelList,
                                      saveROIMaxPSC, nrOfTCPlots),
                        std::move(lists)};
}

std::optional<std::string> fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return std::nullopt;
    }
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Line breaks and tabs made visible, for the failure message.
std::string shown(std::string_view text) {
    std::string result = "\"";
    for (const char c : text) {
        result += c == '\r'   ? std::string("\\r")
                  : c == '\n' ? std::string("\\n")
                  : c == '\t' ? std::string("\\t")
                              : std::string(1, c);
    }
    return result + "\"";
}

// The first line of `text` with its line break; all of it when it has none.
std::string_view firstLine(std::string_view text) {
    const std::size_t lineBreak = text.find('\n');
    return lineBreak == std::string_view::npos ? text : text.substr(0, lineBreak + 1);
}

// Where two texts part: "line N: expected "...", written "..."".
std::string firstDifference(std::string_view expected, std::string_view written) {
    for (std::size_t line = 1;; ++line) {
        const std::string_view expectedLine = firstLine(expected);
        const std::string_view writtenLine = firstLine(written);
        if (expectedLine != writtenLine || expectedLine.empty()) {
            return "line " + std::to_string(line) + ": expected " + shown(expectedLine) +
                   ", written " + shown(writtenLine);
        }
        expected.remove_prefix(expectedLine.size());
        written.remove_prefix(writtenLine.size());
    }
}

void checkNothingBesideTarget(const std::filesystem::path& target) {
    for (const auto& entry : std::filesystem::directory_iterator(target.parent_path())) {
        if (entry.path() != target) {
            fuzzFailure("the writer left " + entry.path().string() + " beside the target");
        }
    }
}

void checkHostReadsBack(const std::string& text, const WriteRequest& request) {
    std::vector<HostRoi> rois;
    try {
        rois = parseRoiText(text, "written.roi");
    } catch (const RoiFileError& error) {
        fuzzFailure(std::string("the host rejects the written file: ") + error.what());
    }
    if (rois.size() != static_cast<std::size_t>(request.header.nrOfTCPlots)) {
        fuzzFailure("the host reads " + std::to_string(rois.size()) + " lists, " +
                    std::to_string(request.header.nrOfTCPlots) + " were written");
    }
    for (std::size_t list = 0; list < rois.size(); ++list) {
        const std::vector<HostVoxel>& read = rois[list].voxels;
        const RoiVoxelList& written = request.lists[list];
        if (read.size() != written.size()) {
            fuzzFailure("list " + std::to_string(list) + ": the host reads " +
                        std::to_string(read.size()) + " voxels, " + std::to_string(written.size()) +
                        " were written");
        }
        for (std::size_t i = 0; i < read.size(); ++i) {
            if (read[i].x != written[i].x || read[i].y != written[i].y ||
                read[i].z != written[i].z) {
                fuzzFailure("list " + std::to_string(list) + ", voxel " + std::to_string(i) +
                            " reads back differently");
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const WriteRequest request = requestFrom(data);
    const std::optional<std::string> expected =
        pelmora_fuzz::expectedRoiFileText(request.header, request.lists);

    // One path for every input: a refused request must leave the previous input's file intact.
    const std::filesystem::path target = pelmora_fuzz::privateTempFolder() / "written.roi";
    const std::optional<std::string> before = fileText(target);
    bool written = false;
    try {
        written = request.header.writeRoiFile(request.lists, target.string().c_str());
    } catch (const std::out_of_range& refusal) {
        if (expected) {
            fuzzFailure(std::string("refused a request it must carry out: ") + refusal.what());
        }
        if (fileText(target) != before) {
            fuzzFailure("a refused request changed the file at the target");
        }
        checkNothingBesideTarget(target);
        return 0;
    } catch (const std::exception& error) {
        fuzzFailure(std::string("an exception other than std::out_of_range: ") + error.what());
    }

    if (!expected) {
        fuzzFailure("carried out a request it must refuse");
    }
    if (!written) {
        fuzzFailure("writeRoiFile returned false for a file in a private temp folder");
    }
    const std::optional<std::string> text = fileText(target);
    if (!text) {
        fuzzFailure("writeRoiFile returned true, but there is no file at the target");
    }
    if (*text != *expected) {
        fuzzFailure("the file differs from the expected text at " +
                    firstDifference(*expected, *text));
    }
    checkHostReadsBack(*text, request);
    checkNothingBesideTarget(target);
    return 0;
}
