#include "shell/tweak_catalogue.h"

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

TEST(TweakCatalogueTest, KeepsNamesAsTheyAreSpelled) {
    const std::pair<TweakId, const char*> names[] = {
        {6, "Disable Command Processor Extentions"},
        {9, "Enable Delayed Environment Variable Expantion"},
        {16, "Control Thread Dumbing in Dr Watson"},
        {17, "Control Whether Dr Watson Alarts Using Popups"},
        {19, "Control Whether Dr Watson Creats a Crash Dump"},
        {20, "Specify the Alternat Debugging Utility"},
        {28, "Repare The Registry Editor"},
        {54, "Change the Menu Shaw Delay"},
        {56, "Control the Windows Anomation Function"},
        {113, "Show'Send to'Context Menu"},
        {164, "Disable Passport Ballon Reminder"},
        {174, "Show Administrator on the Welcom Screen"},
        {190, "Clear Past Icons from the Try Notification Area"},
        {193, "Group Similar Taskbar Bottons"},
        {196, "Clear the Cashed Run Commands"},
        {293, "Repair the Registry Editor"},
        {311, "Privacy"},
    };
    for (const auto& [id, name] : names) {
        EXPECT_EQ(Catalogue()[id].name, name) << id;
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

TEST(TweakCatalogueTest, DescribesEveryRecordAndMarksTheTweaksNotBuiltYet) {
    EXPECT_EQ(Catalogue()[0].description,
              "Tweak and Settings for Windows Accessories and Components.");
    EXPECT_EQ(Catalogue()[25].description, "Settings to manage the Windows Registry Editor");
    EXPECT_EQ(Catalogue()[211].description, "Enhancements for System Starup Shutdown");
    EXPECT_EQ(Catalogue()[2].description,
              "If you still use the DOS prompt regularly then this setting creates a new "
              "right-click menu option to open a command prompt at the selected directory.");
    EXPECT_EQ(Catalogue()[3].description,
              "The Command Processor normally checks and disallows UNC names from being used for "
              "the current directory in the Command Prompt as they may cause problems with "
              "launched child processes. This tweak can be used to allow UNC paths and remove the "
              "warning message.");
    EXPECT_EQ(Catalogue()[43].description,
              "This setting controls the ability for users to start Task Manager and view "
              "processes, running applications and make changes to the priority or state of the "
              "individual processes.");

    const std::set<TweakId> described = {2, 3, 43, 311};
    int placeholders = 0;
    for (const TweakRecord& record : Catalogue()) {
        const TweakId id = record.tweakId;
        const bool unbuilt = IsInTree(id) && !IsCategoryOrGroup(id) && !described.count(id);
        EXPECT_EQ(record.description == kNotAvailableDescription, unbuilt) << id;
        if (!unbuilt && id != 311) {
            EXPECT_FALSE(record.description.empty()) << id;
        }
        placeholders += unbuilt;
    }
    EXPECT_EQ(placeholders, 260 - 10 - 17 - 4);
}

TEST(NavigationTreeTest, HasTenCategoriesSeventeenGroupsAndFiveRootNodes) {
    const auto& tree = TreeNodes();
    ASSERT_EQ(tree.size(), 260u);

    std::vector<std::string> categories;
    std::vector<TweakId> afterCategories;
    int groups = 0;
    for (std::size_t i = 0; i < tree.size(); ++i) {
        const TreeNode& node = tree[i];
        ASSERT_LT(node.parent, static_cast<int>(i)) << node.id;  // parents come first
        switch (node.kind) {
            case NodeKind::Category:
                EXPECT_EQ(node.parent, -1) << node.id;
                EXPECT_TRUE(afterCategories.empty()) << node.id;
                categories.push_back(node.label);
                break;
            case NodeKind::Group:
                ASSERT_GE(node.parent, 0) << node.id;
                EXPECT_EQ(tree[node.parent].kind, NodeKind::Category) << node.id;
                ++groups;
                break;
            case NodeKind::Tweak:
                if (node.parent == -1) {
                    afterCategories.push_back(node.id);
                } else {
                    EXPECT_NE(tree[node.parent].kind, NodeKind::Tweak) << node.id;
                }
                break;
        }
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
    EXPECT_EQ(afterCategories, (std::vector<TweakId>{306, 307, 308, 309, 311}));
}

TEST(NavigationTreeTest, ShowsGroupsBeforeTheTweaksOfTheirCategory) {
    const auto& tree = TreeNodes();
    std::map<TweakId, NodeKind> lastChildKind;
    std::set<TweakId> withGroups;
    for (const TreeNode& node : tree) {
        if (node.parent < 0 || tree[node.parent].kind != NodeKind::Category) {
            continue;
        }
        const TweakId category = tree[node.parent].id;
        auto last = lastChildKind.find(category);
        if (last != lastChildKind.end() && last->second == NodeKind::Tweak) {
            EXPECT_NE(node.kind, NodeKind::Group) << node.id;
        }
        lastChildKind[category] = node.kind;
        if (node.kind == NodeKind::Group) {
            withGroups.insert(category);
        }
    }
    EXPECT_EQ(withGroups, (std::set<TweakId>{0, 51, 95, 122, 177, 226, 273}));
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

TEST(GroupListTest, EveryCategoryAndGroupHasAListOfTweaksInTheTree) {
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
        for (const GroupRow& row : list->rows) {
            const TreeNode* item = ItemOf(row.tweak);
            ASSERT_NE(item, nullptr) << id << " lists " << row.tweak;
            EXPECT_EQ(item->kind, NodeKind::Tweak) << id << " lists " << row.tweak;
        }
    }
    EXPECT_EQ(lists, 27);
}

TEST(GroupListTest, ListsTheNodesOwnTweaksInTreeOrderWithTheKnownExceptions) {
    const std::map<TweakId, std::vector<TweakId>> exceptions = {
        {25, {26, 27}},
        {30, {32, 33, 34, 35, 36, 37}},
        {78, {80, 82, 83, 84, 85, 86, 88, 87, 89, 90, 91, 92, 93, 94}},
        {155,
         {156, 159, 160, 161, 162, 163, 164, 165, 175, 166, 167, 169, 170, 171, 172, 173, 176}},
        {250, {253, 254, 255}}};
    for (const TreeNode& node : TreeNodes()) {
        if (node.kind == NodeKind::Tweak) {
            continue;
        }
        auto exception = exceptions.find(node.id);
        const std::vector<TweakId> expected =
            exception == exceptions.end() ? TweaksUnder(node.id) : exception->second;
        EXPECT_EQ(RowIds(*FindGroupList(node.id)), expected) << node.id;
    }
    EXPECT_EQ(RowIds(*FindGroupList(0)), (std::vector<TweakId>{43, 44, 45, 46, 47, 48, 49, 50}));
}

TEST(GroupListTest, UsesTheColumnWidthsOfEachList) {
    const std::map<TweakId, std::pair<int, int>> wide = {
        {1, {280, 115}}, {25, {280, 115}}, {95, {295, 83}}};
    for (const TreeNode& node : TreeNodes()) {
        const GroupList* list = FindGroupList(node.id);
        if (!list) {
            continue;
        }
        auto own = wide.find(node.id);
        const std::pair<int, int> expected =
            own == wide.end() ? std::pair<int, int>{295, 99} : own->second;
        EXPECT_EQ(std::make_pair(list->nameWidth, list->dateWidth), expected) << node.id;
    }
}

TEST(GroupListTest, OnlyTheTooltipsRowHasTextOfItsOwn) {
    for (const TreeNode& node : TreeNodes()) {
        const GroupList* list = FindGroupList(node.id);
        if (!list) {
            continue;
        }
        for (const GroupRow& row : list->rows) {
            if (node.id == 52 && row.tweak == 58) {
                EXPECT_STREQ(row.label, "Remove the Minimize, Maximize and Close Tooltips");
            } else {
                EXPECT_EQ(row.label, nullptr) << node.id << " row " << row.tweak;
            }
        }
    }
}

}  // namespace
}  // namespace tallowick
