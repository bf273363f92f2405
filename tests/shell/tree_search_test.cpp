#include "shell/tree_search.h"

#include <gtest/gtest.h>

namespace tallowick {
namespace {

class TreeSearchTest : public ::testing::Test {
  protected:
    TreeSearchTest() : catalogue(BuildCatalogue()), search(catalogue) {}

    // The labels of every match from the first on, following FindNext until it wraps.
    std::vector<std::string> AllMatches(std::string_view text) {
        std::vector<std::string> labels;
        std::optional<std::size_t> first = search.Find(text), at = first;
        while (at) {
            labels.push_back(TreeNodes()[*at].label);
            at = search.FindNext(text, *at);
            if (at == first || labels.size() > TreeNodes().size())
                break;
        }
        return labels;
    }

    TweakCatalogue catalogue;
    TreeSearch search;
};

TEST_F(TreeSearchTest, FindsByLabelNameOrDescriptionInTreeOrderAndWraps) {
    // The label, in any case.
    const auto quick = search.Find("qUICK edit the command");
    ASSERT_TRUE(quick);
    EXPECT_EQ(TreeNodes()[*quick].id, 11u);
    // Words only a description holds.
    const std::string& description = catalogue[11].description;
    const std::string words = description.substr(description.size() / 2, 12);
    const auto byDescription = search.Find(words);
    ASSERT_TRUE(byDescription);
    EXPECT_NE(catalogue[TreeNodes()[*byDescription].id].description.find(words), std::string::npos);

    // Every match comes once, in the order the tree shows them, then it wraps to the first.
    const std::vector<std::string> matches = AllMatches("command");
    ASSERT_GE(matches.size(), 3u);
    EXPECT_EQ(matches[0], "Command Processor");
    const auto first = search.Find("command");
    std::optional<std::size_t> at = first;
    for (std::size_t i = 0; i < matches.size(); ++i)
        at = search.FindNext("command", *at);
    EXPECT_EQ(at, first);
    // A search from a node starts at that node.
    EXPECT_EQ(search.Find("command", *first), first);

    EXPECT_FALSE(search.Find("no node says this"));
    EXPECT_FALSE(search.Find(""));
}

}  // namespace
}  // namespace tallowick
