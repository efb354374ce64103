// A host that misbehaves: counts that are negative, huge or changing, text buffers without a
// terminating zero or filled to the last byte, several runs and several objects at once. The
// plug-in must neither crash nor read past a buffer, and must log what it logs for a sound host.
#include "support/merge_expectations.h"
#include "support/nerolt_host.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace merge_expectations;

class HostileHost : public ::testing::Test {
protected:
    HostRun run(const std::vector<std::string>& arguments) {
        std::vector<std::string> all = {"--plugins-path", "/plugins", "--save-as", target_};
        all.insert(all.end(), kRoisOf2And0And3.begin(), kRoisOf2And0And3.end());
        all.insert(all.end(), arguments.begin(), arguments.end());
        return runNerolt(all);
    }

    ScratchFolder scratch_;
    const std::string target_ = scratch_.path("merged.roi");
};

struct Case {
    const char* what;
    std::vector<std::string> arguments;
    std::string lastLine;
    bool fileWritten;
};

TEST_F(HostileHost, OddCountsEndInAnOrdinaryLogLine) {
    const std::string outOfMemory = "<b>Plugin error:</b> std::bad_alloc";
    const Case cases[] =
    { {"a negative ROI count",
       {"--nr-of-rois-answers", "-5"},
       "<b>Not enough ROI's selected!</b><br>",
       false},
      {"the smallest ROI count",
       {"--nr-of-rois-answers", "-2147483648"},
       "<b>Not enough ROI's selected!</b><br>",
       false},
      {"negative voxel counts",
       {"--nr-of-voxels-answers", "-1"},
       "<b>No voxels in the selected ROIs!</b><br>",
       false},
      // 100,000 ROIs claimed where three exist: the others report no voxels.
      {"an ROI count far beyond the ROIs", {"--nr-of-rois-answers", "3,100000"}, kCompleted, true},
    // Voxel counts of 2^31 - 1 that the host cannot back: the list grows until memory runs
    // out, which the plug-in reports. Linux gets an address-space limit (which sanitizers
    // cannot share); a 32-bit Windows process runs out near 2 GiB by itself.
#if defined(_WIN32)
      {"a huge voxel count", {"--nr-of-voxels-answers", "2147483647"}, outOfMemory, false},
#elif !defined(__SANITIZE_ADDRESS__)
      {"a huge voxel count",
       {"--nr-of-voxels-answers", "2147483647", "--memory-limit", "384"},
       outOfMemory,
       false},
#endif
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        fs::remove(target_);
        const HostRun result = run(test.arguments);
        EXPECT_EQ(result.exitCode, 0) << result.messages;
        ASSERT_GE(result.log.size(), 3u) << result.messages;
        EXPECT_EQ(result.log.back(), test.lastLine);
        EXPECT_EQ(fs::exists(target_), test.fileWritten);
        EXPECT_EQ(scratch_.names().size(), test.fileWritten ? 1u : 0u)
            << "no temporary file is left behind";
    }
}

TEST_F(HostileHost, TextFilledToTheLastByteIsReadWhole) {
    // 511 characters fill the 512-byte plug-ins path buffer with its terminating zero.
    const std::string longest = "/" + std::string(510, 'p');
    const HostRun result = run({"--plugins-path", longest});
    ASSERT_GE(result.log.size(), 2u) << result.messages;
    EXPECT_EQ(result.log[1], "Info - Path to Plugins: " + longest);
    EXPECT_EQ(result.log.back(), kCompleted);
}

TEST_F(HostileHost, ManyRunsAndManyObjectsEachMergeTheRoisOnce) {
    const HostRun result = run({"--runs", "3", "--objects", "4"});
    ASSERT_EQ(result.exitCode, 0) << result.messages;
    const std::vector<std::string> oneRun = {kBanner, "Info - Path to Plugins: /plugins",
                                             "",      "File saved: <b>" + target_ + "</b>",
                                             " ",     kCompleted};
    std::vector<std::string> expected;
    for (int merge = 0; merge < 3 * 4; ++merge) {
        expected.insert(expected.end(), oneRun.begin(), oneRun.end());
    }
    EXPECT_EQ(result.log, expected);
    EXPECT_EQ(readFile(target_), kFileOf2And0And3) << "the last file holds the voxels once";
}

} // namespace
