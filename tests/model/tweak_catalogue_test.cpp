#include "model/tweak_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace tallowick {
namespace {

const TweakCatalogue& Catalogue() {
    static const TweakCatalogue catalogue = BuildCatalogue();
    return catalogue;
}

// The tree item showing `id`, or nullptr.
const TreeNode* ItemOf(TweakId id) {
    for (const TreeNode& node : TreeNodes()) {
        if (node.id == id) {
            return &node;
        }
    }
    return nullptr;
}

// The tweaks directly under `id`, in display order.
std::vector<TweakId> TweaksUnder(TweakId id) {
    const auto& tree = TreeNodes();
    std::vector<TweakId> tweaks;
    for (const TreeNode& node : tree) {
        if (node.parent >= 0 && tree[node.parent].id == id && node.kind == NodeKind::Tweak) {
            tweaks.push_back(node.id);
        }
    }
    return tweaks;
}

std::vector<TweakId> RowIds(const GroupList& list) {
    std::vector<TweakId> ids;
    for (const GroupRow& row : list.rows) {
        ids.push_back(row.tweak);
    }
    return ids;
}

bool IsCategoryOrGroup(TweakId id) {
    const TreeNode* item = ItemOf(id);
    return item && item->kind != NodeKind::Tweak;
}

// Names key the modification dates, so only nodes sharing a title may share one. Every
// record but the drive page's has a description: its own, or the note that the tweak is
// not built yet (which only tree tweaks may carry).
TEST(TweakCatalogueTest, EveryRecordIsNamedAndDescribed) {
    std::map<std::string, std::vector<TweakId>> byName;
    for (const TweakRecord& record : Catalogue()) {
        const TweakId id = record.tweakId;
        EXPECT_FALSE(record.name.empty()) << id;
        byName[record.name].push_back(id);
        if (id != 311) {
            EXPECT_FALSE(record.description.empty()) << id;
        }
        if (record.description == kNotAvailableDescription) {
            EXPECT_TRUE(IsInTree(id) && !IsCategoryOrGroup(id)) << id;
        }
    }
    std::set<std::vector<TweakId>> repeated;
    for (const auto& [name, ids] : byName) {
        if (ids.size() > 1) {
            repeated.insert(ids);
        }
    }
    EXPECT_EQ(repeated, (std::set<std::vector<TweakId>>{{41, 287}, {89, 201}, {106, 144}}));
}

// Tweaks show the light bulb (image 2); categories and groups, shown or not, take the other
// images one each in TweakId order.
TEST(TweakCatalogueTest, CategoriesAndGroupsTakeTheImagesInOrder) {
    std::uint32_t next = 0;
    for (const TweakRecord& record : Catalogue()) {
        if (const TreeNode* item = ItemOf(record.tweakId)) {
            EXPECT_EQ(record.image == 2, item->kind == NodeKind::Tweak) << record.tweakId;
        }
        if (record.image != 2) {
            EXPECT_EQ(record.image, next) << record.tweakId;
            next = next == 1 ? 3 : next + 1;
        }
    }
    EXPECT_EQ(next, 30u);
    EXPECT_EQ(Catalogue()[227].image, 23u);  // a group without a tree item
}

// Parents come first; ten categories at the root, then five tweaks; groups sit in a
// category, before its own tweaks.
TEST(NavigationTreeTest, CategoriesGroupsAndTweaksInTheirPlaces) {
    const auto& tree = TreeNodes();
    ASSERT_EQ(tree.size(), 260u);

    std::vector<std::string> categories;
    std::vector<TweakId> afterCategories;
    std::set<TweakId> withGroups;
    std::map<int, NodeKind> lastChildKind;  // by the parent's index
    int groups = 0;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const TreeNode& node = tree[i];
        ASSERT_LT(node.parent, static_cast<int>(i)) << node.id;
        const TreeNode* parent = node.parent < 0 ? nullptr : &tree[node.parent];
        if (node.kind == NodeKind::Category) {
            EXPECT_EQ(parent, nullptr) << node.id;
            EXPECT_TRUE(afterCategories.empty()) << node.id;
            categories.push_back(node.label);
        } else if (node.kind == NodeKind::Group) {
            ASSERT_NE(parent, nullptr) << node.id;
            EXPECT_EQ(parent->kind, NodeKind::Category) << node.id;
            EXPECT_NE(lastChildKind[node.parent], NodeKind::Tweak) << node.id;
            withGroups.insert(parent->id);
            ++groups;
        } else if (!parent) {
            afterCategories.push_back(node.id);
        }
        if (parent)
            lastChildKind[node.parent] = node.kind;
    }
    ASSERT_EQ(categories.size(), 10u);
    EXPECT_EQ(groups, 17);
    EXPECT_EQ(withGroups, (std::set<TweakId>{0, 51, 95, 122, 177, 226, 273}));
    EXPECT_EQ(afterCategories, (std::vector<TweakId>{306, 307, 308, 309, 311}));
    EXPECT_EQ(TweaksUnder(123), (std::vector<TweakId>{124}));
}

TEST(NavigationTreeTest, ShowsEveryRecordOnceExceptTheFiftyTwoHiddenOnes) {
    std::set<TweakId> shown;
    for (const TreeNode& node : TreeNodes()) {
        EXPECT_TRUE(shown.insert(node.id).second) << "shown twice: " << node.id;
        EXPECT_TRUE(IsInTree(node.id)) << node.id;
    }
    int hidden = 0;
    for (TweakId id = 0; id < kTweakCount; ++id) {
        hidden += !IsInTree(id);
    }
    EXPECT_EQ(hidden, 52);
    for (TweakId id : {4u, 29u, 227u, 281u, 287u, 310u}) {
        EXPECT_FALSE(IsInTree(id)) << id;
    }
    EXPECT_FALSE(IsInTree(kTweakCount));
}

// The tree keeps its own spelling of ten titles; the name, which keys the date, differs
// from it in case and commas only, but for one.
TEST(NavigationTreeTest, LabelsAreTheNamesButForTenSpellings) {
    const auto plain = [](std::string text) {
        std::erase(text, ',');
        for (char& c : text)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return text;
    };
    int differing = 0;
    for (const TreeNode& node : TreeNodes()) {
        const std::string& name = Catalogue()[node.id].name;
        differing += node.label != name;
        if (node.id != 28) {  // whose name keeps its old misspelling
            EXPECT_EQ(plain(node.label), plain(name)) << node.id;
        }
    }
    EXPECT_EQ(Catalogue()[28].name, "Repare The Registry Editor");
    EXPECT_STREQ(ItemOf(28)->label, "Repair The Registry Editor");
    EXPECT_EQ(differing, 10);
}

// Each list holds the node's own tweaks in tree order but for what users of the lists have
// always seen: 28, 31 and 251 left out, Desktop listing 88 before 87 and Login and
// Authentication 175 after 165. Columns are 295 and 99 pixels wide but in three lists.
TEST(GroupListTest, EveryCategoryAndGroupListsItsOwnTweaks) {
    const std::set<TweakId> leftOut = {28, 31, 251};
    const std::map<TweakId, std::pair<int, int>> wide = {
        {1, {280, 115}}, {25, {280, 115}}, {95, {295, 83}}};
    int lists = 0;
    std::set<TweakId> reordered;
    for (TweakId id = 0; id <= kTweakCount; ++id) {
        const GroupList* list = FindGroupList(id);
        ASSERT_EQ(list != nullptr, IsCategoryOrGroup(id)) << id;
        if (!list) {
            continue;
        }
        ++lists;
        EXPECT_EQ(list->node, id);
        EXPECT_FALSE(list->rows.empty()) << id;
        std::vector<TweakId> own = TweaksUnder(id);
        std::erase_if(own, [&](TweakId tweak) { return leftOut.contains(tweak); });
        std::vector<TweakId> rows = RowIds(*list);
        if (rows != own)
            reordered.insert(id);
        std::sort(rows.begin(), rows.end());
        EXPECT_EQ(rows, own) << id;
        auto width = wide.find(id);
        const auto widths = width == wide.end() ? std::pair(295, 99) : width->second;
        EXPECT_EQ(std::make_pair(list->nameWidth, list->dateWidth), widths) << id;
        for (const GroupRow& row : list->rows) {
            // Only the tooltips row has a text of its own.
            if (id == 52 && row.tweak == 58) {
                EXPECT_STREQ(row.label, "Remove the Minimize, Maximize and Close Tooltips");
            } else {
                EXPECT_EQ(row.label, nullptr) << id << " row " << row.tweak;
            }
        }
    }
    EXPECT_EQ(lists, 27);
    EXPECT_EQ(reordered, (std::set<TweakId>{78, 155}));
    EXPECT_EQ(RowIds(*FindGroupList(78))[6], 88u);
    EXPECT_EQ(RowIds(*FindGroupList(155))[8], 175u);
}

}  // namespace
}  // namespace tallowick
