// Whole runs through the stand-in host and the built plug-in library: the log lines, the save
// dialog and the merged file, for the ordinary roads and for the faults the plug-in must survive.
#include "support/merge_expectations.h"
#include "support/nerolt_host.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace merge_expectations;

class MergeRun : public ::testing::Test {
protected:
    std::string path(const std::string& name) const { return scratch_.path(name); }

    // The plug-in's log for a run: the banner and the plug-ins path line come first.
    static std::vector<std::string> logOf(std::vector<std::string> postRunLines) {
        std::vector<std::string> log = {kBanner, "Info - Path to Plugins: /plugins"};
        log.insert(log.end(), postRunLines.begin(), postRunLines.end());
        return log;
    }

    HostRun run(std::vector<std::string> arguments, const std::string& variant = "") {
        arguments.insert(arguments.begin(), {"--plugins-path", "/plugins"});
        return runNerolt(arguments, variant);
    }

    static std::vector<std::string> with(std::vector<std::string> first,
                                         const std::vector<std::string>& second) {
        first.insert(first.end(), second.begin(), second.end());
        return first;
    }

    ScratchFolder scratch_;
};

struct Scenario {
    const char* what;
    std::vector<std::string> arguments;
    std::vector<std::string> postRunLog; // after the banner and the path line
    int dialogs;
};

TEST_F(MergeRun, LogsAndDialogsFollowTheRun) {
    const std::string saveAs = path("merged.roi");
    const std::string saved = "File saved: <b>" + saveAs + "</b>";
    const Scenario scenarios[] = {
        {"a run that stopped early",
         with({"--time-points", "10", "--stop-at", "9", "--save-as", saveAs}, kRoisOf2And0And3),
         {"Aborted"},
         0},
        {"no ROI", {"--save-as", saveAs}, {kNotEnough}, 0},
        {"one ROI", {"--roi-box", "0:3,0:3,0", "--save-as", saveAs}, {kNotEnough}, 0},
        {"every ROI empty", {"--empty-roi", "--empty-roi", "--save-as", saveAs}, {kNoVoxels}, 0},
        {"the dialog cancelled", with({"--cancel"}, kRoisOf2And0And3), {"", " ", kCompleted}, 1},
        {"a completed run",
         with({"--save-as", saveAs}, kRoisOf2And0And3),
         {"", saved, " ", kCompleted},
         1},
        {"a run of no time points, complete from the start",
         with({"--time-points", "0", "--save-as", saveAs}, kRoisOf2And0And3),
         {"", saved, " ", kCompleted, "", saved, " ", kCompleted},
         2},
    };
    for (const Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.what);
        fs::remove(saveAs);
        const HostRun result = run(scenario.arguments);
        EXPECT_EQ(result.exitCode, 0) << result.messages;
        EXPECT_EQ(result.log, logOf(scenario.postRunLog));
        EXPECT_EQ(result.dialogsShown(), scenario.dialogs) << result.messages;
        EXPECT_EQ(fs::exists(saveAs), scenario.postRunLog.size() > 1 && scenario.dialogs > 0 &&
                                          scenario.postRunLog[1] == saved);
    }
}

TEST_F(MergeRun, MergedFileHoldsEveryVoxelOnceInHostOrder) {
    const std::string saveAs = path("merged.roi");
    const HostRun result = run(with({"--save-as", saveAs}, kRoisOf2And0And3));
    ASSERT_EQ(result.exitCode, 0) << result.messages;
    EXPECT_EQ(readFile(saveAs), kFileOf2And0And3);
}

TEST_F(MergeRun, DialogStartsInTheTargetFolderWithTheRoiFilter) {
    const HostRun result =
        run(with({"--target-folder", path("target"), "--cancel"}, kRoisOf2And0And3));
    EXPECT_NE(result.messages.find("save dialog \"Save ROI file\" for \"Region of Interest Files "
                                   "(*.roi)\", starting in \"" +
                                   path("target") + "\""),
              std::string::npos)
        << result.messages;
}

TEST_F(MergeRun, StartedOnACompletedRunMergesAtOnceAndAgainWhenTheRunEnds) {
    // Two dialogs: the first answer is used by the merge in executePreRun, the second by the
    // merge when the host ends the run. Each file holds the ROIs once.
    const std::string first = path("first.roi");
    const std::string second = path("second.roi");
    const HostRun result =
        run(with({"--completed", "--save-as", first, "--save-as", second}, kRoisOf2And0And3));
    ASSERT_EQ(result.exitCode, 0) << result.messages;
    EXPECT_EQ(result.log, logOf({"", "File saved: <b>" + first + "</b>", " ", kCompleted, "",
                                 "File saved: <b>" + second + "</b>", " ", kCompleted}));
    EXPECT_EQ(readFile(first), kFileOf2And0And3);
    EXPECT_EQ(readFile(second), kFileOf2And0And3) << "the second gathering started afresh";
}

TEST_F(MergeRun, FailedSaveIsReportedAsNotSavedAndKeepsTheOldFile) {
    struct Case {
        const char* what;
        std::string target;
        long fileSizeLimit;
    };
    const std::vector<Case> cases = {
        {"a folder that does not exist", path("no-such-folder/merged.roi"), 0},
        {"a path that is a folder", path("a-folder"), 0},
#if !defined(_WIN32)
        // The disk "fills up" after 4 KiB of any file: enough for the host's log, not for the
        // merge (with a large ROI added below). The old file is smaller.
        {"a full disk", path("merged.roi"), 4096},
#endif
    };
    fs::create_directory(path("a-folder"));
    const std::string oldFile = "an older merge\r\n";
    writeFile(path("merged.roi"), oldFile);

    for (const Case& test : cases) {
        SCOPED_TRACE(test.what);
        std::vector<std::string> arguments = with({"--save-as", test.target}, kRoisOf2And0And3);
        arguments.insert(arguments.begin(), {"--plugins-path", "/plugins"});
        if (test.fileSizeLimit > 0) {
            arguments.insert(arguments.end(), {"--roi-box", "0:99,0:99,0"});
        }
        const HostRun result = runNerolt(arguments, "", test.fileSizeLimit);
        EXPECT_EQ(result.log,
                  logOf({"", "File not saved: <b>" + test.target + "</b>", " ", kCompleted}));
        EXPECT_EQ(readFile(path("merged.roi")), oldFile);
        EXPECT_TRUE(fs::is_empty(path("a-folder")));
        EXPECT_EQ(scratch_.names(), (std::vector<std::string>{"a-folder", "merged.roi"}))
            << "no temporary file is left behind";
    }
}

TEST_F(MergeRun, MissingHostServicesAreNeverCalled) {
    // Without the save dialog the plug-in says which service is missing; without the log it
    // cannot say anything and does nothing.
    const HostRun noDialog =
        run(with({"--save-as", path("merged.roi")}, kRoisOf2And0And3), "without-save-dialog");
    EXPECT_EQ(noDialog.exitCode, 0) << noDialog.messages;
    EXPECT_EQ(noDialog.log, logOf({"<b>Host service missing: tGetSaveFileName</b>"}));

    const HostRun noLog =
        run(with({"--save-as", path("merged.roi")}, kRoisOf2And0And3), "without-log");
    EXPECT_EQ(noLog.exitCode, 0) << noLog.messages;
    EXPECT_TRUE(noLog.log.empty());
    EXPECT_EQ(noLog.dialogsShown(), 0);
    EXPECT_FALSE(fs::exists(path("merged.roi")));
}

TEST_F(MergeRun, UnterminatedHostTextIsCutAtTheBufferEnd) {
    // The host fills every buffer to its last byte with no terminating zero: the plug-in reads
    // 511 characters of the 512-byte path and 603 of the 604-byte file name, never more.
    const HostRun result = run(with({"--unterminated-buffers", "--cancel"}, kRoisOf2And0And3));
    ASSERT_EQ(result.log.size(), 6u) << result.messages;
    EXPECT_EQ(result.log[1], "Info - Path to Plugins: /plugins" + std::string(511 - 8, '#'));
    // A cancelled dialog fills the file name with 603 '#': a name the plug-in tries to save.
    const std::string name(603, '#');
    EXPECT_EQ(result.log[3], "File not saved: <b>" + name + "</b>");
}

TEST_F(MergeRun, SavedLineCarriesTheLongestPossibleName) {
    // A path of exactly 603 characters, the most the host's 604-byte buffer can carry. Linux
    // takes it in folders of 100 characters; Windows refuses so long a path, and the plug-in
    // must then report the whole name as not saved.
    fs::path folder = scratch_.folder();
#if !defined(_WIN32)
    while (folder.string().size() < 603 - 250) {
        folder /= std::string(100, 'd');
    }
    fs::create_directories(folder);
#endif
    std::string name = (folder / "").string();
    name += std::string(603 - name.size() - 4, 'n') + ".roi";
    ASSERT_EQ(name.size(), 603u);

    const HostRun result = run(with({"--save-as", name}, kRoisOf2And0And3));
    ASSERT_EQ(result.log.size(), 6u) << result.messages;
    const std::string line = result.log[3];
    const bool saved = fs::exists(name);
    EXPECT_EQ(line, (saved ? "File saved: <b>" : "File not saved: <b>") + name + "</b>");
#if !defined(_WIN32)
    EXPECT_TRUE(saved) << "Linux takes paths of this length";
#endif
}

TEST_F(MergeRun, GatheringFollowsCountsThatChangeMidway) {
    // Three ROIs exist, but the host's count drops to 2 at the loop's third test: the loop asks
    // anew at every test, so ROI 2 is not gathered. The voxel counts answer 3, 3, then 1 for
    // ROI 0 (two voxels gathered) and 2, 2, then 0 for ROI 1 (two voxels).
    const std::string saveAs = path("merged.roi");
    const HostRun result = run({"--roi-box", "1:3,1,1", "--roi-box", "5:6,1,1", "--roi-box",
                                "9,9,9", "--nr-of-rois-answers", "3,3,3,2",
                                "--nr-of-voxels-answers", "3,3,1,2,2,0", "--save-as", saveAs});
    ASSERT_EQ(result.exitCode, 0) << result.messages;
    const std::string text = readFile(saveAs);
    const std::string voxels = text.substr(text.find("NrOfVoxels:"));
    EXPECT_EQ(voxels, "NrOfVoxels:\t4\r\n1\t1\t1\t\r\n2\t1\t1\t\r\n5\t1\t1\t\r\n6\t1\t1\t\r\n");
}

struct BadFile {
    const char* what;
    std::string text;
    std::string message; // after "<file>:"
};

TEST_F(MergeRun, MalformedRoiFilesAreRefusedWithFileAndLine) {
    const std::string header = "FileVersion:\t5\r\n\r\nSaveVoxelsInROIs:\t1\r\n\r\n"
                               "SaveSortedVoxelList:\t0\r\n\r\nSaveROIMaxPSC:\t0\r\n\r\n";
    const std::string block = "NrOfTCs:\t1\r\nFromSlice:\t1\r\nLeft:\t1\r\nRight:\t2\r\n"
                              "Top:\t1\r\nBottom:\t2\r\n";
    const BadFile files[] = {
        {"a wrong key", "FileVersion:\t5\r\n\r\nSaveVoxels:\t1\r\n",
         "3: expected \"SaveVoxelsInROIs:<TAB>value\""},
        {"a bad number", header + "NrOfTCPlots:\tone\r\n", "9: NrOfTCPlots: \"one\" is not"},
        {"too few voxel lines",
         header + "NrOfTCPlots:\t1\r\n\r\n" + block + "NrOfVoxels:\t3\r\n1\t2\t3\t\r\n",
         "19: NrOfVoxels says 3, but only 1 voxel lines follow"},
        {"too many voxel lines",
         header + "NrOfTCPlots:\t1\r\n\r\n" + block +
             "NrOfVoxels:\t1\r\n1\t2\t3\t\r\n4\t5\t6\t\r\n",
         "19: more lines than NrOfVoxels announced"},
        {"a voxel line without z",
         header + "NrOfTCPlots:\t1\r\n\r\n" + block + "NrOfVoxels:\t1\r\n1\t2\r\n",
         "18: expected a voxel line"},
        {"a coordinate beyond 32 bits",
         header + "NrOfTCPlots:\t1\r\n\r\n" + block + "NrOfVoxels:\t1\r\n1\t2\t4294967296\t\r\n",
         "18: z: \"4294967296\" is not a valid number"},
        {"a file that ends early", header, "9: the file ends early"},
        {"a number with a leading zero",
         header + "NrOfTCPlots:\t1\r\n\r\n" + block + "NrOfVoxels:\t01\r\n1\t2\t3\t\r\n",
         "17: NrOfVoxels: \"01\" is not a valid number"},
    };
    for (const BadFile& bad : files) {
        SCOPED_TRACE(bad.what);
        const std::string file = path("bad.roi");
        writeFile(file, bad.text);
        const HostRun result = run({"--roi-box", "1,1,1", file, "--save-as", path("out.roi")});
        EXPECT_EQ(result.exitCode, 2);
        EXPECT_NE(result.messages.find(file + ":" + bad.message), std::string::npos)
            << result.messages;
        EXPECT_TRUE(result.log.empty()) << "nothing was run";
        EXPECT_FALSE(fs::exists(path("out.roi")));
    }
}

TEST_F(MergeRun, RoiFilesWrittenByThePluginMergeAgain) {
    // Each voxel list of a file is one ROI: the merged file of two ROIs, merged with a third.
    const std::string firstMerge = path("first.roi");
    ASSERT_EQ(run(with({"--save-as", firstMerge}, kRoisOf2And0And3)).exitCode, 0);
    const std::string secondMerge = path("second.roi");
    const HostRun result = run({firstMerge, "--roi-box", "7,7,7", "--save-as", secondMerge});
    ASSERT_EQ(result.exitCode, 0) << result.messages;
    const std::string text = readFile(secondMerge);
    EXPECT_NE(text.find("NrOfVoxels:\t6\r\n"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.size() - 8), "7\t7\t7\t\r\n");
}

} // namespace
