// Linking to the host: the table of host services and the version gate.
#include "pelmora_plugin.h"
#include "support/fake_host.h"
#include "support/plugin_probe.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

class InitPlugin : public ::testing::Test {
protected:
    void SetUp() override {
        resetFakeHost();
        setHostApiEntries({});
    }

    // Distinct non-null values, to see which entries a look-up writes.
    static HostApiEntries sentinels() {
        HostApiEntries entries{};
        for (std::size_t i = 0; i < entries.size(); ++i) {
            entries[i] = reinterpret_cast<void (*)()>(0x1000 + 0x10 * i);
        }
        return entries;
    }

    PelmoraPlugin plugin;
};

struct VersionCase {
    std::optional<FakeVersion> version;
    bool accepted;
};

TEST_F(InitPlugin, AcceptsHostsFromVersion300On) {
    const VersionCase cases[] = {
        {FakeVersion{3, 0, 0}, true},
        {FakeVersion{2, 99, 99}, false},
        {FakeVersion{3, 0, -1}, false},
        {FakeVersion{3, -1, 9}, false},
        {FakeVersion{3, 1, -5}, true},
        {FakeVersion{4, -1, -1}, true},
        {FakeVersion{10, 0, 0}, true},
        {FakeVersion{0, 0, 0}, false},
        {std::nullopt /* the host writes nothing */, false},
    };
    for (const VersionCase& test : cases) {
        SCOPED_TRACE(test.version ? std::to_string(test.version->major) + "." +
                                        std::to_string(test.version->minor) + "." +
                                        std::to_string(test.version->subVersion)
                                  : "a host that writes no version");
        fakeHost().version = test.version;
        EXPECT_EQ(plugin.initPlugin(), test.accepted);
    }
}

TEST_F(InitPlugin, LooksUpEveryServiceByItsExactNameInTableOrder) {
    ASSERT_TRUE(plugin.initPlugin());
    EXPECT_EQ(fakeHost().lookedUp,
              std::vector<std::string>(kHostServiceNames.begin(), kHostServiceNames.end()));
    for (const auto entry : hostApiEntries()) {
        EXPECT_NE(entry, nullptr);
    }
    EXPECT_EQ(fakeHost().calls, std::vector<std::string>{"tGetVersionOfNerolt"})
        << "initPlugin calls nothing but the version service and logs nothing";
}

TEST_F(InitPlugin, WithoutHostModuleRefusesAndTouchesNothing) {
    fakeHost().moduleLoaded = false;
    setHostApiEntries(sentinels());
    EXPECT_FALSE(plugin.initPlugin());
    EXPECT_TRUE(fakeHost().calls.empty());
    EXPECT_EQ(hostApiEntries(), sentinels());
}

TEST_F(InitPlugin, WithoutVersionServiceRefusesAndWritesOnlyTheFirstEntry) {
    fakeHost().withheldExports = {"tGetVersionOfNerolt"};
    setHostApiEntries(sentinels());
    EXPECT_FALSE(plugin.initPlugin());

    HostApiEntries expected = sentinels();
    expected[0] = nullptr;
    EXPECT_EQ(hostApiEntries(), expected);
    EXPECT_TRUE(fakeHost().calls.empty());
}

TEST_F(InitPlugin, WithoutAnUncalledServiceAcceptsAndLeavesThatEntryNull) {
    fakeHost().withheldExports = {"tGetBetaMaps"};
    EXPECT_TRUE(plugin.initPlugin());
    const HostApiEntries entries = hostApiEntries();
    EXPECT_EQ(pelmora::hostApi.tGetBetaMaps, nullptr);
    EXPECT_EQ(std::count(entries.begin(), entries.end(), nullptr), 1);
}

TEST_F(InitPlugin, TwiceGivesTheSameResultAndTable) {
    for (const bool accepted : {true, false}) {
        fakeHost().version = accepted ? FakeVersion{3, 0, 0} : FakeVersion{2, 0, 0};
        const bool first = plugin.initPlugin();
        const HostApiEntries table = hostApiEntries();
        EXPECT_EQ(plugin.initPlugin(), first);
        EXPECT_EQ(first, accepted);
        EXPECT_EQ(hostApiEntries(), table);
    }
}

TEST_F(InitPlugin, RefusedHostLeavesTheTableFilled) {
    fakeHost().version = FakeVersion{2, 99, 99};
    EXPECT_FALSE(plugin.initPlugin());
    for (const auto entry : hostApiEntries()) {
        EXPECT_NE(entry, nullptr);
    }
}

TEST_F(InitPlugin, TableIsSharedByAllObjects) {
    ASSERT_TRUE(plugin.initPlugin());
    const HostApiEntries table = hostApiEntries();
    {
        PelmoraPlugin other;
        fakeHost().withheldExports = {"tGetBetaMaps"};
        ASSERT_TRUE(other.initPlugin());
    }
    EXPECT_EQ(pelmora::hostApi.tGetBetaMaps, nullptr) << "another object's look-up rewrote it";
    EXPECT_NE(hostApiEntries(), table);
}

} // namespace
