#include "model/tweak_catalogue.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(TweakCatalogueTest, HoldsOneRecordPerTweakIdInOrder) {
    ASSERT_EQ(Catalogue().size(), kTweakCount);
    for (TweakId id = 0; id < kTweakCount; ++id) {
        EXPECT_EQ(Catalogue()[id].tweakId, id);
        EXPECT_FALSE(Catalogue()[id].name.empty()) << id;
    }
}

TEST(TweakCatalogueTest, OnlyTheKnownNamesRepeat) {
    std::map<std::string, std::vector<TweakId>> byName;
    for (const TweakRecord& record : Catalogue()) {
        byName[record.name].push_back(record.tweakId);
    }
    std::set<std::vector<TweakId>> repeated;
    for (const auto& [name, ids] : byName) {
        if (ids.size() > 1) {
            repeated.insert(ids);
        }
    }
    const std::set<std::vector<TweakId>> expected = {{41, 287}, {89, 201}, {106, 144}};
    EXPECT_EQ(repeated, expected);
}

TEST(TweakCatalogueTest, CategoriesAndGroupsHaveTheirOwnImages) {
    const std::map<TweakId, std::uint32_t> images = {
        {0, 0},    {1, 1},    {13, 3},   {25, 4},   {30, 5},   {38, 6},   {51, 7},   {52, 8},
        {60, 9},   {78, 10},  {95, 11},  {96, 12},  {122, 13}, {123, 14}, {125, 15}, {137, 16},
        {155, 17}, {177, 18}, {178, 19}, {187, 20}, {211, 21}, {226, 22}, {227, 23}, {239, 24},
        {250, 25}, {273, 26}, {274, 27}, {281, 28}, {288, 29}};
    for (const TweakRecord& record : Catalogue()) {
        auto own = images.find(record.tweakId);
        // Everything else, in the tree or not, shows the light bulb.
        const std::uint32_t expected = own == images.end() ? 2 : own->second;
        EXPECT_EQ(record.image, expected) << record.tweakId;
    }
}

// Every record but the drive page's has a description: its own, or the note that the
// tweak is not built yet (which only tree tweaks may carry).
TEST(TweakCatalogueTest, DescribesEveryRecord) {
    for (const TweakRecord& record : Catalogue()) {
        const TweakId id = record.tweakId;
        if (id != 311) {
            EXPECT_FALSE(record.description.empty()) << id;
        }
        if (record.description == kNotAvailableDescription) {
            EXPECT_TRUE(IsInTree(id) && !IsCategoryOrGroup(id)) << id;
        }
    }
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
        switch (node.kind) {
            case NodeKind::Category:
                EXPECT_EQ(parent, nullptr) << node.id;
                EXPECT_TRUE(afterCategories.empty()) << node.id;
                categories.push_back(node.label);
                break;
            case NodeKind::Group:
                ASSERT_NE(parent, nullptr) << node.id;
                EXPECT_EQ(parent->kind, NodeKind::Category) << node.id;
                EXPECT_NE(lastChildKind[node.parent], NodeKind::Tweak) << node.id;
                withGroups.insert(parent->id);
                ++groups;
                break;
            case NodeKind::Tweak:
                if (!parent) {
                    afterCategories.push_back(node.id);
                } else {
                    EXPECT_NE(parent->kind, NodeKind::Tweak) << node.id;
                }
                break;
        }
        if (parent)
            lastChildKind[node.parent] = node.kind;
    }
    const std::vector<std::string> expectedCategories = {"Accessories",
                                                         "Appearance",
                                                         "Desktop",
                                                         "Explorer",
                                                         "File System",
                                                         "Login and Authentication",
                                                         "Start Menu and Taskbar",
                                                         "Start up and Shutdown",
                                                         "System",
                                                         "Troubleshooting"};
    EXPECT_EQ(categories, expectedCategories);
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

TEST(NavigationTreeTest, LabelsAreTheNamesExceptForTheKnownSpellings) {
    const std::map<TweakId, std::string> differing = {
        {28, "Repair The Registry Editor"},
        {58, "Remove the Minimize, Maximize and Close Tooltips"},
        {159, "Change the Default login Screen Saver"},
        {161, "Change the login Screen Background Color"},
        {162, "Change the login Screen Wallpaper"},
        {163, "Customize the Windows login and Security Dialog Titles"},
        {165, "Disable the Auto login Shift Override Feature"},
        {171, "Legal Notice Dialog Box Before login"},
        {175, "Show Options on login Dialog Box"},
        {212, "Allow Portable to Undock Before login"}};
    for (const TreeNode& node : TreeNodes()) {
        auto label = differing.find(node.id);
        const std::string& name = Catalogue()[node.id].name;
        if (label == differing.end()) {
            EXPECT_EQ(node.label, name) << node.id;
        } else {
            EXPECT_EQ(node.label, label->second) << node.id;
            EXPECT_NE(node.label, name) << node.id;
        }
    }
    EXPECT_EQ(Catalogue()[58].name, "Remove the Minimize Maximize and Close Tooltips");
    EXPECT_STREQ(ItemOf(128)->label, "Disable Automatic Network Shortcut Resolution");
}

// Each list holds the node's own tweaks in tree order, with a few known exceptions, and
// its own column widths.
TEST(GroupListTest, EveryCategoryAndGroupListsItsOwnTweaks) {
    const std::map<TweakId, std::vector<TweakId>> exceptions = {
        {25, {26, 27}},
        {30, {32, 33, 34, 35, 36, 37}},
        {78, {80, 82, 83, 84, 85, 86, 88, 87, 89, 90, 91, 92, 93, 94}},
        {155,
         {156, 159, 160, 161, 162, 163, 164, 165, 175, 166, 167, 169, 170, 171, 172, 173, 176}},
        {250, {253, 254, 255}}};
    const std::map<TweakId, std::pair<int, int>> wide = {
        {1, {280, 115}}, {25, {280, 115}}, {95, {295, 83}}};
    int lists = 0;
    for (TweakId id = 0; id <= kTweakCount; ++id) {
        const GroupList* list = FindGroupList(id);
        ASSERT_EQ(list != nullptr, IsCategoryOrGroup(id)) << id;
        if (!list) {
            continue;
        }
        ++lists;
        EXPECT_EQ(list->node, id);
        EXPECT_FALSE(list->rows.empty()) << id;
        auto exception = exceptions.find(id);
        EXPECT_EQ(RowIds(*list),
                  exception == exceptions.end() ? TweaksUnder(id) : exception->second)
            << id;
        auto own = wide.find(id);
        const std::pair<int, int> widths = own == wide.end() ? std::pair(295, 99) : own->second;
        EXPECT_EQ(std::make_pair(list->nameWidth, list->dateWidth), widths) << id;
        for (const GroupRow& row : list->rows) {
            const TreeNode* item = ItemOf(row.tweak);
            ASSERT_NE(item, nullptr) << id << " lists " << row.tweak;
            EXPECT_EQ(item->kind, NodeKind::Tweak) << id << " lists " << row.tweak;
            // Only the tooltips row has a text of its own.
            if (id == 52 && row.tweak == 58) {
                EXPECT_STREQ(row.label, "Remove the Minimize, Maximize and Close Tooltips");
            } else {
                EXPECT_EQ(row.label, nullptr) << id << " row " << row.tweak;
            }
        }
    }
    EXPECT_EQ(lists, 27);
    EXPECT_EQ(RowIds(*FindGroupList(0)), (std::vector<TweakId>{43, 44, 45, 46, 47, 48, 49, 50}));
}

}  // namespace
}  // namespace tallowick
