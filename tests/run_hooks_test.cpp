// The run hooks in-process, against the fake host: what cannot be arranged from outside, such
// as memory running out at a chosen allocation or hooks called before any initPlugin.
#include "pelmora_plugin.h"
#include "plugin_exports.h"
#include "support/failing_allocator.h"
#include "support/fake_host.h"
#include "support/file_faults.h"
#include "support/plugin_probe.h"

#include "support/merge_expectations.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

namespace {

using merge_expectations::kCompleted;

class RunHooks : public ::testing::Test {
protected:
    void SetUp() override {
        resetFakeHost();
        FakeHost& host = fakeHost();
        host.rois = {{{10, 20, 5}, {12, 18, 7}}, {}, {{1, 2, 3}, {4, 5, 6}, {-7, -8, -9}}};
        host.saveAnswer = target_;
        ASSERT_TRUE(plugin_.initPlugin());
    }
    void TearDown() override { failing_allocator::disarm(); }

    const RoiVoxelLists& lists() const { return PelmoraPluginProbe::voxelLists(plugin_); }

    // The files in the folder: the target and nothing else, or nothing.
    std::vector<std::string> filesInFolder() const { return scratch_.names(); }

    ScratchFolder scratch_;
    const std::string target_ = scratch_.path("merged.roi");
    PelmoraPlugin plugin_;
};

TEST(RunHooksWithoutHost, DoNothingAndReturnTrue) {
    resetFakeHost();
    setHostApiEntries({});
    PelmoraPlugin plugin;
    EXPECT_TRUE(plugin.executePreRun());
    EXPECT_TRUE(plugin.executePreStep());
    EXPECT_TRUE(plugin.executePostStep());
    EXPECT_TRUE(plugin.executePostRun());
    EXPECT_TRUE(fakeHost().calls.empty());
    EXPECT_TRUE(PelmoraPluginProbe::voxelLists(plugin).empty());
}

TEST_F(RunHooks, StepsCallNoService) {
    fakeHost().calls.clear();
    EXPECT_TRUE(plugin_.executePreStep());
    EXPECT_TRUE(plugin_.executePostStep());
    EXPECT_TRUE(fakeHost().calls.empty());
}

TEST_F(RunHooks, GatheredVoxelsCarryValueOneAndHostOrder) {
    EXPECT_TRUE(plugin_.executePostRun());
    ASSERT_EQ(lists().size(), 1u);
    const RoiVoxelList& merged = lists()[0];
    const std::vector<std::array<int, 3>> expected = {
        {10, 20, 5}, {12, 18, 7}, {1, 2, 3}, {4, 5, 6}, {-7, -8, -9}};
    ASSERT_EQ(merged.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(merged[i].value, 1.0f);
        EXPECT_EQ((std::array<int, 3>{merged[i].x, merged[i].y, merged[i].z}), expected[i]);
    }
}

TEST_F(RunHooks, SecondGatheringReplacesTheFirst) {
    EXPECT_TRUE(plugin_.executePostRun());
    fakeHost().rois[2].pop_back();
    EXPECT_TRUE(plugin_.executePostRun());
    ASSERT_EQ(lists().size(), 1u);
    EXPECT_EQ(lists()[0].size(), 4u);
}

TEST_F(RunHooks, TooFewRoisLeaveListZeroAsItWas) {
    fakeHost().rois.resize(1);
    EXPECT_TRUE(plugin_.executePostRun());
    ASSERT_EQ(lists().size(), 1u) << "list 0 exists from the first completed run on";
    EXPECT_TRUE(lists()[0].empty());
    EXPECT_TRUE(fakeHost().dialogs.empty());
}

TEST_F(RunHooks, OutOfMemoryWhileGatheringBecomesALogLine) {
    failing_allocator::failFrom(1);
    EXPECT_TRUE(plugin_.executePostRun());
    failing_allocator::disarm();
    ASSERT_FALSE(fakeHost().log.empty());
    EXPECT_EQ(fakeHost().log.back(), "<b>Plugin error:</b> std::bad_alloc");
    EXPECT_TRUE(filesInFolder().empty());

    fakeHost().log.clear();
    EXPECT_TRUE(plugin_.executePostRun()) << "the same object merges again";
    EXPECT_EQ(fakeHost().log.back(), kCompleted);
    EXPECT_EQ(filesInFolder(), std::vector<std::string>{"merged.roi"});
}

// Out of memory at every allocation in turn, the way trusted storage engines test it: for
// N = 1, 2, ... the N-th allocation of a whole merge (gathering, copy, write) and all later ones
// fail, until a merge needs fewer than N. At every N: the hook returns true, the log ends in a
// plug-in error or the normal lines, no partial or temporary file is left, nothing leaks, and the
// same object merges completely afterwards.
TEST_F(RunHooks, EveryAllocationFailurePointIsSurvived) {
    // A reference run gives the complete file.
    ASSERT_TRUE(plugin_.executePostRun());
    const std::string complete = readFile(target_);
    ASSERT_FALSE(complete.empty());
    fs::remove(target_);

    long long failurePoints = 0;
    for (long long n = 1;; ++n) {
        SCOPED_TRACE("allocation " + std::to_string(n) + " fails");
        fakeHost().log.clear();
        const long long liveBefore = failing_allocator::liveAllocations();
        {
            PelmoraPlugin plugin;
            ASSERT_TRUE(plugin.initPlugin());
            failing_allocator::failFrom(n);
            EXPECT_TRUE(plugin.executePostRun());
            const bool failed = failing_allocator::allocationsSinceArmed() >= n;
            failing_allocator::disarm();

            const std::string& last = fakeHost().log.back();
            if (failed) {
                ++failurePoints;
                EXPECT_TRUE(last.rfind("<b>Plugin error:</b> ", 0) == 0 || last == kCompleted)
                    << last;
                if (fs::exists(target_)) {
                    EXPECT_EQ(readFile(target_), complete) << "a file is complete or absent";
                }
            } else {
                EXPECT_EQ(last, kCompleted);
            }
            const auto files = filesInFolder();
            EXPECT_LE(files.size(), 1u) << "no temporary file is left behind";

            fakeHost().log.clear();
            fs::remove(target_);
            EXPECT_TRUE(plugin.executePostRun());
            EXPECT_EQ(fakeHost().log.back(), kCompleted) << "the same object merges again";
            EXPECT_EQ(readFile(target_), complete);
            fs::remove(target_);
            if (!failed) {
                break;
            }
        }
        EXPECT_EQ(failing_allocator::liveAllocations(), liveBefore) << "nothing leaked";
    }
    EXPECT_GT(failurePoints, 3);
    std::cout << "[          ] allocation failure points tried: " << failurePoints << '\n';
}

// Each file operation of the save failing in turn (creating the temporary file, writing, syncing,
// closing, moving it into place): the log says the file was not saved, the old file at the path
// is left byte for byte, and no temporary file remains.
TEST_F(RunHooks, EveryFailedFileOperationIsLoggedAsNotSaved) {
    using file_faults::Operation;
    const std::string oldFile = "an older merge\r\n";
    for (const Operation operation : {Operation::create, Operation::write, Operation::sync,
                                      Operation::close, Operation::replace}) {
        SCOPED_TRACE(::testing::PrintToString(operation));
        writeFile(target_, oldFile);
        fakeHost().log.clear();
        file_faults::Fault fault{operation, 1, file_faults::Persistence::fromThenOn};
        {
            const file_faults::InjectedFault injected(fault);
            EXPECT_TRUE(plugin_.executePostRun());
        }
        EXPECT_TRUE(fault.injected);
        ASSERT_EQ(fakeHost().log.size(), 4u);
        EXPECT_EQ(fakeHost().log[1], "File not saved: <b>" + target_ + "</b>");
        EXPECT_EQ(readFile(target_), oldFile);
        EXPECT_EQ(filesInFolder(), std::vector<std::string>{"merged.roi"});
    }
}

TEST(CreatePluginOutOfMemory, ReturnsNull) {
    failing_allocator::failFrom(1);
    NeroltPluginInterface* plugin = createPlugin();
    failing_allocator::disarm();
    EXPECT_EQ(plugin, nullptr);
}

} // namespace
