// The plug-in library loaded by the stand-in host in a process of its own: the real platform
// layer finds the host executable and its services, or refuses.
#include "support/nerolt_host.h"

#include <gtest/gtest.h>

namespace {

struct LinkCase {
    const char* what;
    std::string variant;
    std::vector<std::string> arguments;
    bool accepted;
};

TEST(HostLink, AcceptsOnlyAUsableHostOfVersion300OrLater) {
    const LinkCase cases[] = {
        {"3.0.0", "", {"--host-version", "3.0.0"}, true},
        {"2.99.99", "", {"--host-version", "2.99.99"}, false},
        {"3.0.-1", "", {"--host-version", "3.0.-1"}, false},
        {"3.-1.9", "", {"--host-version", "3.-1.9"}, false},
        {"3.1.-5", "", {"--host-version", "3.1.-5"}, true},
        {"4.-1.-1", "", {"--host-version", "4.-1.-1"}, true},
        {"10.0.0", "", {"--host-version", "10.0.0"}, true},
        {"a host that writes no version", "", {"--host-version", "none"}, false},
        // The host lacks tGetVersionOfNerolt; on Linux another loaded library exports that name
        // (with version 99.0.0), and the plug-in must not take it.
        {"a host without the version service", "without-version", {}, false},
        {"a host without a service the plug-in never calls", "without-beta-maps", {}, true},
        {"a process whose executable is not Nerolt", "renamed", {}, false},
    };
    for (const LinkCase& test : cases) {
        SCOPED_TRACE(test.what);
        std::vector<std::string> arguments = test.arguments;
        arguments.push_back("--info");
        const HostRun run = runNerolt(arguments, test.variant);
        EXPECT_EQ(run.exitCode, test.accepted ? 0 : 1) << run.messages;
        EXPECT_NE(run.messages.find(test.accepted ? "initPlugin accepted" : "initPlugin refused"),
                  std::string::npos)
            << run.messages;
        EXPECT_TRUE(run.log.empty()) << "initPlugin logs nothing";
    }
}

TEST(HostLink, WithoutTheHostModuleNoServiceIsCalled) {
    const HostRun run = runNerolt({"--info"}, "renamed");
    EXPECT_NE(run.messages.find("the plug-in called 0 host services"), std::string::npos)
        << run.messages;
}

TEST(HostLink, HostShowsTheMetadataOfTheLoadedLibrary) {
    const HostRun run = runNerolt({"--info"});
    ASSERT_EQ(run.exitCode, 0) << run.messages;
    for (const char* expected :
         {"name: Pelmora", "version: 1.0", "help file: PelmoraPluginHelpindex.html",
          "description: This simple plugin shows how to access Nerolt"}) {
        EXPECT_NE(run.messages.find(expected), std::string::npos) << expected;
    }
}

TEST(HostLink, HostRejectsBadCommandLinesWithAMessage) {
    const std::vector<std::string> badLines[] = {
        {"--time-points", "many"}, {"--host-version", "3.0"},
        {"--roi-box", "0:1,0:1"},  {"--stop-at", "9", "--time-points", "5"},
        {"--no-such-option"},      {"--save-as"},
    };
    for (const auto& arguments : badLines) {
        SCOPED_TRACE(arguments[0]);
        const HostRun run = runNerolt(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_NE(run.messages.find("Nerolt: error: "), std::string::npos) << run.messages;
        EXPECT_EQ(run.messages.find("loaded"), std::string::npos) << "nothing was run";
    }
}

} // namespace
