// roi_file_writer_test.cpp - the bytes of the ".roi" files the writer produces, and the requests
// it refuses.
#include "roi_file_header.h"
#include "roi_file_test_support.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace {

using roi_file_test::readFile;
using roi_file_test::ScratchFolder;
using roi_file_test::writeFile;

constexpr std::int32_t int32Min = INT32_MIN;
constexpr std::int32_t int32Max = INT32_MAX;

// The value is never written; an odd one shows that.
RoiVoxel voxel(std::int32_t x, std::int32_t y, std::int32_t z) {
    return RoiVoxel{0.25f, x, y, z};
}

std::string writtenFile(const RoiFileHeader& header, const RoiVoxelLists& lists) {
    ScratchFolder folder;
    const std::string path = folder.path("merged.roi");
    EXPECT_TRUE(header.writeRoiFile(lists, path.c_str()));
    return readFile(path);
}

// ---- Whole files ----------------------------------------------------------------------------

struct WholeFileCase {
    const char* name;
    RoiFileHeader header;
    RoiVoxelLists lists;
    std::string expected;
};

const WholeFileCase wholeFileCases[] = {
    {"one block of two voxels",
     {5, 1, 0, 0, 1},
     {{voxel(10, 20, 5), voxel(12, 18, 7)}},
     "FileVersion:\t5\r\n\r\nSaveVoxelsInROIs:\t1\r\n\r\nSaveSortedVoxelList:\t0\r\n\r\n"
     "SaveROIMaxPSC:\t0\r\n\r\nNrOfTCPlots:\t1\r\n\r\n"
     "NrOfTCs:\t1\r\nFromSlice:\t7\r\nLeft:\t11\r\nRight:\t14\r\nTop:\t19\r\nBottom:\t22\r\n"
     "NrOfVoxels:\t2\r\n10\t20\t5\t\r\n12\t18\t7\t\r\n"},
    {"no blocks: the file ends right after the count",
     {5, 1, 0, 0, 0},
     {},
     "FileVersion:\t5\r\n\r\nSaveVoxelsInROIs:\t1\r\n\r\nSaveSortedVoxelList:\t0\r\n\r\n"
     "SaveROIMaxPSC:\t0\r\n\r\nNrOfTCPlots:\t0"},
    {"a negative count writes no block, whatever lists there are",
     {5, 1, 0, 0, -2},
     {{voxel(1, 2, 3)}},
     "FileVersion:\t5\r\n\r\nSaveVoxelsInROIs:\t1\r\n\r\nSaveSortedVoxelList:\t0\r\n\r\n"
     "SaveROIMaxPSC:\t0\r\n\r\nNrOfTCPlots:\t-2"},
    {"header values of any sign and length appear in the header only",
     {-7, int32Max, int32Min, 10, 1},
     {{voxel(0, 0, 0)}},
     "FileVersion:\t-7\r\n\r\nSaveVoxelsInROIs:\t2147483647\r\n\r\n"
     "SaveSortedVoxelList:\t-2147483648\r\n\r\nSaveROIMaxPSC:\t10\r\n\r\nNrOfTCPlots:\t1\r\n\r\n"
     "NrOfTCs:\t1\r\nFromSlice:\t1\r\nLeft:\t1\r\nRight:\t2\r\nTop:\t1\r\nBottom:\t2\r\n"
     "NrOfVoxels:\t1\r\n0\t0\t0\t\r\n"},
    {"two blocks: duplicates kept, lists past the count left out",
     {5, 1, 0, 0, 2},
     {{voxel(1, 2, 3), voxel(1, 2, 3)}, {voxel(4, 5, 6)}, {voxel(7, 8, 9)}, {}},
     "FileVersion:\t5\r\n\r\nSaveVoxelsInROIs:\t1\r\n\r\nSaveSortedVoxelList:\t0\r\n\r\n"
     "SaveROIMaxPSC:\t0\r\n\r\nNrOfTCPlots:\t2\r\n"
     "\r\n" // one empty line before the first block
     "NrOfTCs:\t1\r\nFromSlice:\t4\r\nLeft:\t2\r\nRight:\t3\r\nTop:\t3\r\nBottom:\t4\r\n"
     "NrOfVoxels:\t2\r\n1\t2\t3\t\r\n1\t2\t3\t\r\n"
     "\r\n\r\n" // two empty lines before the second
     "NrOfTCs:\t1\r\nFromSlice:\t7\r\nLeft:\t5\r\nRight:\t6\r\nTop:\t6\r\nBottom:\t7\r\n"
     "NrOfVoxels:\t1\r\n4\t5\t6\t\r\n"},
};

TEST(RoiFileWriter, WritesWholeFilesByteForByte) {
    for (const WholeFileCase& c : wholeFileCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(writtenFile(c.header, c.lists), c.expected);
    }
}

TEST(RoiFileWriter, ExampleFilesHaveTheirKnownSizes) {
    // Guards the literals above: the example file is 208 bytes, the file without blocks 101.
    EXPECT_EQ(wholeFileCases[0].expected.size(), 208u);
    EXPECT_EQ(wholeFileCases[1].expected.size(), 101u);
}

// ---- Block headings -------------------------------------------------------------------------

struct BlockCase {
    const char* name;
    RoiVoxelList voxels;
    std::int32_t fromSlice, left, right, top, bottom;
    const char* voxelLines;
};

const BlockCase blockCases[] = {
    {"one voxel", {voxel(7, 3, 12)}, 13, 8, 9, 4, 5, "7\t3\t12\t\r\n"},
    {"negative coordinates", {voxel(-3, 4, -1)}, 0, -2, -1, 5, 6, "-3\t4\t-1\t\r\n"},
    {"box around every voxel, not the first",
     {voxel(5, 9, 0), voxel(2, 1, 0), voxel(8, 4, 0)},
     1,
     3,
     10,
     2,
     11,
     "5\t9\t0\t\r\n2\t1\t0\t\r\n8\t4\t0\t\r\n"},
    {"coordinates at the ends of the 32-bit range",
     {voxel(int32Min, int32Max - 2, int32Min), voxel(int32Max - 2, int32Min, int32Max)},
     1,
     -2147483647,
     int32Max,
     -2147483647,
     int32Max,
     "-2147483648\t2147483645\t-2147483648\t\r\n2147483645\t-2147483648\t2147483647\t\r\n"},
};

TEST(RoiFileWriter, BlockHeadingsBoxTheVoxels) {
    const std::string header = "FileVersion:\t5\r\n\r\nSaveVoxelsInROIs:\t1\r\n\r\n"
                               "SaveSortedVoxelList:\t0\r\n\r\nSaveROIMaxPSC:\t0\r\n\r\n"
                               "NrOfTCPlots:\t1\r\n\r\n";
    for (const BlockCase& c : blockCases) {
        SCOPED_TRACE(c.name);
        const std::string expected =
            header + "NrOfTCs:\t1\r\nFromSlice:\t" + std::to_string(c.fromSlice) + "\r\nLeft:\t" +
            std::to_string(c.left) + "\r\nRight:\t" + std::to_string(c.right) + "\r\nTop:\t" +
            std::to_string(c.top) + "\r\nBottom:\t" + std::to_string(c.bottom) +
            "\r\nNrOfVoxels:\t" + std::to_string(c.voxels.size()) + "\r\n" + c.voxelLines;
        EXPECT_EQ(writtenFile(RoiFileHeader(5, 1, 0, 0, 1), {c.voxels}), expected);
    }
}

TEST(RoiFileWriter, FromSliceIsTheUpperMiddleSliceCountedFromOne) {
    struct Case {
        std::int32_t lowestZ, highestZ, fromSlice;
    };
    const Case cases[] = {{4, 9, 8}, {4, 8, 7}, {-3, 0, 0}, {-5, -2, -2}, {6, 6, 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE("z from " + std::to_string(c.lowestZ) + " to " + std::to_string(c.highestZ));
        // The highest first and a voxel in between: the bounds come from all voxels.
        const RoiVoxelList voxels{voxel(0, 0, c.highestZ), voxel(0, 0, c.lowestZ),
                                  voxel(0, 0, (c.lowestZ + c.highestZ) / 2)};
        const std::string file = writtenFile(RoiFileHeader(5, 1, 0, 0, 1), {voxels});
        EXPECT_NE(file.find("\r\nFromSlice:\t" + std::to_string(c.fromSlice) + "\r\n"),
                  std::string::npos)
            << file;
    }
}

TEST(RoiFileWriter, VoxelLinesSurviveBufferBoundaries) {
    // Far more text than one buffer holds: any line torn, lost or repeated where one buffer ends
    // and the next begins shows up here. Lines of every length, and lines of the longest length
    // only (the most the writer ever puts into a buffer between two checks for room).
    const RoiVoxelList longestLines(pelmora::FileOutputBuffer::capacity / 8,
                                    voxel(int32Min, int32Min, int32Min));
    const RoiVoxelList voxelLists[] = {roi_file_test::voxelsFillingSeveralBuffers(), longestLines};
    for (const RoiVoxelList& voxels : voxelLists) {
        std::string expectedLines;
        for (const RoiVoxel& v : voxels) {
            expectedLines += std::to_string(v.x) + '\t' + std::to_string(v.y) + '\t' +
                             std::to_string(v.z) + "\t\r\n";
        }
        ASSERT_GT(expectedLines.size(), 4 * pelmora::FileOutputBuffer::capacity);

        const std::string file = writtenFile(RoiFileHeader(5, 1, 0, 0, 1), {voxels});
        const std::string countLine = "NrOfVoxels:\t" + std::to_string(voxels.size()) + "\r\n";
        const std::size_t linesStart = file.find(countLine);
        ASSERT_NE(linesStart, std::string::npos);
        EXPECT_TRUE(file.compare(linesStart + countLine.size(), std::string::npos, expectedLines) ==
                    0);
    }
}

// ---- Refused requests -----------------------------------------------------------------------

struct RefusedCase {
    const char* name;
    std::int32_t nrOfTCPlots;
    RoiVoxelLists lists;
};

const RefusedCase refusedCases[] = {
    {"no lists at all", 1, {}},
    {"fewer lists than blocks", 2, {{voxel(1, 1, 1)}}},
    {"an empty list among those written", 3, {{voxel(1, 1, 1)}, {}, {voxel(2, 2, 2)}}},
    {"Right past the 32-bit range", 1, {{voxel(int32Max - 1, 0, 0)}}},
    {"Bottom past the 32-bit range", 1, {{voxel(0, 0, 0), voxel(0, int32Max, 0)}}},
    {"FromSlice past the 32-bit range", 1, {{voxel(0, 0, int32Max)}}},
};

TEST(RoiFileWriter, RefusedRequestsThrowAndLeaveThePathAlone) {
    for (const RefusedCase& c : refusedCases) {
        SCOPED_TRACE(c.name);
        const RoiFileHeader header(5, 1, 0, 0, c.nrOfTCPlots);
        ScratchFolder folder;

        const std::string freshPath = folder.path("fresh.roi");
        EXPECT_THROW(header.writeRoiFile(c.lists, freshPath.c_str()), std::out_of_range);
        EXPECT_TRUE(folder.names().empty());

        const std::string oldPath = folder.path("old.roi");
        writeFile(oldPath, "old contents\r\n");
        EXPECT_THROW(header.writeRoiFile(c.lists, oldPath.c_str()), std::out_of_range);
        EXPECT_EQ(readFile(oldPath), "old contents\r\n");
        EXPECT_EQ(folder.names(), std::vector<std::string>{"old.roi"});
    }
}

} // namespace
