// roi_file_replacement_test.cpp - how the writer puts a file in place: old files replaced whole,
// and on any failure the old file kept and no temporary file left behind.
#include "roi_file_header.h"
#include "roi_file_test_support.h"
#include "support/file_faults.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <tuple>
#include <vector>

#ifndef _WIN32
#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace {

using file_faults::Fault;
using file_faults::InjectedFault;
using file_faults::Operation;
using file_faults::Persistence;
using pelmora::platform::CreateResult;
using roi_file_test::readFile;
using roi_file_test::ScratchFolder;
using roi_file_test::writeFile;

const std::string oldFile = "an older merge\r\n";

TEST(RoiFileReplacement, ReplacesALongerFileInsteadOfExtendingIt) {
    ScratchFolder folder;
    const std::string path = folder.path("merged.roi");
    writeFile(path, std::string(10000, 'x'));

    ASSERT_TRUE(RoiFileHeader(5, 1, 0, 0, 0).writeRoiFile({}, path.c_str()));
    EXPECT_EQ(readFile(path),
              "FileVersion:\t5\r\n\r\nSaveVoxelsInROIs:\t1\r\n\r\n"
              "SaveSortedVoxelList:\t0\r\n\r\nSaveROIMaxPSC:\t0\r\n\r\nNrOfTCPlots:\t0");
    EXPECT_EQ(folder.names(), std::vector<std::string>{"merged.roi"});
}

TEST(RoiFileReplacement, UnwritablePathsGiveFalseAndLeaveNothingBehind) {
    const RoiFileHeader header(5, 1, 0, 0, 1);
    const RoiVoxelLists lists{{RoiVoxel{1.0f, 1, 2, 3}}};
    {
        SCOPED_TRACE("a path in a missing folder");
        ScratchFolder folder;
        EXPECT_FALSE(header.writeRoiFile(lists, folder.path("missing/merged.roi").c_str()));
        EXPECT_TRUE(folder.names().empty());
    }
    {
        SCOPED_TRACE("a path that is a folder");
        ScratchFolder folder;
        const std::string path = folder.path("merged.roi");
        roi_file_test::fs::create_directory(path);
        EXPECT_FALSE(header.writeRoiFile(lists, path.c_str()));
        EXPECT_EQ(folder.names(), std::vector<std::string>{"merged.roi"});
        EXPECT_TRUE(roi_file_test::fs::is_empty(path));
    }
    {
        SCOPED_TRACE("an empty path");
        EXPECT_FALSE(header.writeRoiFile(lists, ""));
    }
}

// ---- Injected faults ------------------------------------------------------------------------

bool writeWithFault(Fault& fault, const RoiFileHeader& header, const RoiVoxelLists& lists,
                    const std::string& path) {
    const InjectedFault injected(fault);
    return header.writeRoiFile(lists, path.c_str());
}

class RoiFileFaults : public testing::TestWithParam<std::tuple<Operation, Persistence>> {};

TEST_P(RoiFileFaults, AFailedOperationKeepsTheOldFileAndLeavesNoTemporaryFile) {
    const auto [operation, persistence] = GetParam();
    const RoiFileHeader header(5, 1, 0, 0, 1);
    // Several buffers' worth, so that the write fails at its first, a middle and its last call.
    const RoiVoxelLists lists{roi_file_test::voxelsFillingSeveralBuffers()};
    std::string newFile;
    {
        ScratchFolder reference;
        ASSERT_TRUE(header.writeRoiFile(lists, reference.path("merged.roi").c_str()));
        newFile = readFile(reference.path("merged.roi"));
    }

    ScratchFolder folder;
    const std::string path = folder.path("merged.roi");
    // Fail the first call, then the second, ... until the operation is called too few times to
    // fail: then the write must complete.
    for (int failingCall = 1;; ++failingCall) {
        ASSERT_LE(failingCall, 100) << "the writer keeps calling the failing operation";
        SCOPED_TRACE("failing call " + std::to_string(failingCall));
        writeFile(path, oldFile);
        Fault fault{operation, failingCall, persistence};

        const bool written = writeWithFault(fault, header, lists, path);

        EXPECT_EQ(folder.names(), std::vector<std::string>{"merged.roi"});
        if (!fault.injected) {
            EXPECT_TRUE(written);
            EXPECT_TRUE(readFile(path) == newFile) << "the new file is not complete";
            break;
        }
        EXPECT_FALSE(written);
        EXPECT_TRUE(readFile(path) == oldFile) << "the old file was changed";
    }
}

std::string faultName(const testing::TestParamInfo<RoiFileFaults::ParamType>& info) {
    return testing::PrintToString(std::get<0>(info.param)) +
           testing::PrintToString(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(
    EachFileOperation, RoiFileFaults,
    testing::Combine(testing::Values(Operation::create, Operation::write, Operation::sync,
                                     Operation::close, Operation::replace, Operation::remove),
                     testing::Values(Persistence::once, Persistence::fromThenOn)),
    faultName);

TEST(RoiFileReplacement, TakenTemporaryNamesAreSkipped) {
    const RoiFileHeader header(5, 1, 0, 0, 1);
    const RoiVoxelLists lists{{RoiVoxel{1.0f, 1, 2, 3}}};
    ScratchFolder folder;
    const std::string path = folder.path("merged.roi");
    writeFile(path, oldFile);

    // A name left by a crashed writer: the next name is used.
    Fault takenOnce{Operation::create, 1, Persistence::once, CreateResult::nameTaken};
    EXPECT_TRUE(writeWithFault(takenOnce, header, lists, path));
    EXPECT_EQ(takenOnce.calls, 2);
    EXPECT_NE(readFile(path), oldFile);

    // Every name taken: the writer gives up rather than trying for ever.
    writeFile(path, oldFile);
    Fault takenAlways{Operation::create, 1, Persistence::fromThenOn, CreateResult::nameTaken};
    EXPECT_FALSE(writeWithFault(takenAlways, header, lists, path));
    EXPECT_EQ(readFile(path), oldFile);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"merged.roi"});
}

// ---- A real full disk -----------------------------------------------------------------------

#ifndef _WIN32
TEST(RoiFileReplacement, AFullDiskGivesFalseAndKeepsTheOldFile) {
    const RoiFileHeader header(5, 1, 0, 0, 1);
    const RoiVoxelLists lists{roi_file_test::voxelsFillingSeveralBuffers()};
    std::size_t completeSize = 0;
    {
        ScratchFolder reference;
        ASSERT_TRUE(header.writeRoiFile(lists, reference.path("merged.roi").c_str()));
        completeSize = readFile(reference.path("merged.roi")).size();
    }
    ScratchFolder folder;
    const std::string path = folder.path("merged.roi");
    writeFile(path, oldFile);

    // A limit on file size stands in for a full disk, in a child process so that it binds nothing
    // else. The disk fills up one byte short of the end: every write but the last fits, the last
    // is cut short, and writing its final byte fails with EFBIG (SIGXFSZ ignored, so the process
    // lives on to report it).
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const auto limit = static_cast<rlim_t>(completeSize - 1);
        const rlimit fileSizeLimit{limit, limit};
        setrlimit(RLIMIT_FSIZE, &fileSizeLimit);
        std::signal(SIGXFSZ, SIG_IGN);
        const bool written = header.writeRoiFile(lists, path.c_str());
        _exit(written ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the writer reported success on a full disk";
    EXPECT_EQ(readFile(path), oldFile);
    EXPECT_EQ(folder.names(), std::vector<std::string>{"merged.roi"});
}
#endif

} // namespace
