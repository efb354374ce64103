// The plain exports: metadata texts and the factory.
#include "plugin_exports.h"
#include "support/fake_host.h"
#include "support/plugin_probe.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

struct MetadataCase {
    const char* name;
    const char* (*function)();
    const char* expected;
};

const MetadataCase kMetadata[] = {
    {"getPluginName", &getPluginName, "Pelmora"},
    {"getPluginVersion", &getPluginVersion, "1.0"},
    {"getHelpFile", &getHelpFile, "PelmoraPluginHelpindex.html"},
    {"getPluginDescription", &getPluginDescription,
     "This simple plugin shows how to access Nerolt data for custom processing at each time step "
     "during real-time processing. Use its source code to get started with writing your own "
     "plugins.<br>"},
};

TEST(PluginMetadata, AnswersExactTextsAtTheSameAddressWithoutAnyObject) {
    for (const MetadataCase& metadata : kMetadata) {
        SCOPED_TRACE(metadata.name);
        const char* first = metadata.function();
        EXPECT_STREQ(first, metadata.expected);
        EXPECT_EQ(metadata.function(), first);
    }
}

TEST(PluginMetadata, AuthorIsAnItalicNameFollowedByACompany) {
    const std::string author = getAuthor();
    EXPECT_EQ(getAuthor(), getAuthor());
    ASSERT_EQ(author.rfind("<i>", 0), 0u) << author;
    const std::size_t close = author.find("</i>, ");
    ASSERT_NE(close, std::string::npos) << author;
    EXPECT_GT(close, 3u) << "a personal name between the tags";
    EXPECT_GT(author.size(), close + 6) << "a company name after the comma";
}

struct DeletePlugin {
    void operator()(NeroltPluginInterface* plugin) const { delete plugin; }
};
using PluginPointer = std::unique_ptr<NeroltPluginInterface, DeletePlugin>;

const RoiVoxelLists& listsOf(NeroltPluginInterface* plugin) {
    return PelmoraPluginProbe::voxelLists(*static_cast<PelmoraPlugin*>(plugin));
}

TEST(CreatePlugin, GivesDistinctObjectsAndDeletingOneLeavesTheOtherAndTheHostTable) {
    resetFakeHost();
    PluginPointer first(createPlugin());
    PluginPointer second(createPlugin());
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_NE(first.get(), second.get());
    EXPECT_TRUE(listsOf(first.get()).empty());
    EXPECT_TRUE(listsOf(second.get()).empty());

    ASSERT_TRUE(first->initPlugin());
    const HostApiEntries table = hostApiEntries();
    first.reset();

    EXPECT_EQ(hostApiEntries(), table);
    EXPECT_TRUE(listsOf(second.get()).empty());
    EXPECT_TRUE(second->initPlugin()) << "the surviving object still works";
}

} // namespace
