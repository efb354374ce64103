// roi_file_replacement_test.cpp - how the writer puts a file in place: old files replaced whole,
// and on any failure the old file kept and no temporary file left behind.
#include "platform/file_operations_for_tests.h"
#include "roi_file_header.h"
#include "roi_file_test_support.h"

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

using pelmora::platform::CreateResult;
using pelmora::platform::FileHandle;
using pelmora::platform::FileOperations;
using pelmora::platform::systemFileOperations;
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

enum class Operation { create, write, sync, close, replace, remove };
enum class Persistence { once, fromThenOn };

// Readable test names and messages.
void PrintTo(Operation operation, std::ostream* out) {
    static const char* const names[] = {"Create", "Write", "Sync", "Close", "Replace", "Remove"};
    *out << names[static_cast<int>(operation)];
}
void PrintTo(Persistence persistence, std::ostream* out) {
    *out << (persistence == Persistence::once ? "FailsOnce" : "FailsFromThenOn");
}

// Makes the `failingCall`-th call (counted from 1) of one file operation fail: that call alone,
// or every call from it on.
struct Fault {
    Operation operation;
    int failingCall;
    Persistence persistence;
    CreateResult failedCreate = CreateResult::failed;
    int calls = 0;
    bool injected = false;
};

Fault* activeFault = nullptr;

bool failsNow(Operation operation) {
    if (activeFault == nullptr || activeFault->operation != operation) {
        return false;
    }
    const int call = ++activeFault->calls;
    const bool fails = activeFault->persistence == Persistence::once
                           ? call == activeFault->failingCall
                           : call >= activeFault->failingCall;
    activeFault->injected = activeFault->injected || fails;
    return fails;
}

// Each failing operation does what the real one does on failure: it leaves the disk as it was,
// except close, which releases the file even when it reports an error.
const FileOperations faultyOperations{
    [](const char* path, FileHandle* file) {
        return failsNow(Operation::create) ? activeFault->failedCreate
                                           : systemFileOperations().createNewFile(path, file);
    },
    [](FileHandle file, const char* bytes, std::size_t count) {
        return !failsNow(Operation::write) && systemFileOperations().writeAll(file, bytes, count);
    },
    [](FileHandle file) {
        return !failsNow(Operation::sync) && systemFileOperations().syncToDisk(file);
    },
    [](FileHandle file) {
        const bool fails = failsNow(Operation::close);
        return systemFileOperations().close(file) && !fails;
    },
    [](const char* from, const char* to) {
        return !failsNow(Operation::replace) && systemFileOperations().replaceFile(from, to);
    },
    [](const char* path) {
        return !failsNow(Operation::remove) && systemFileOperations().removeFile(path);
    },
};

// Routes the writer's file operations through `fault` for as long as it lives.
class InjectedFault {
public:
    explicit InjectedFault(Fault& fault) {
        activeFault = &fault;
        pelmora::platform::useFileOperationsForTests(&faultyOperations);
    }
    ~InjectedFault() {
        pelmora::platform::useFileOperationsForTests(nullptr);
        activeFault = nullptr;
    }
    InjectedFault(const InjectedFault&) = delete;
    InjectedFault& operator=(const InjectedFault&) = delete;
};

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
