// Preview and Undo through the application core, for every tweak that can be applied:
// the page is changed as a user would change it, then previewed, applied and undone.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "support/returning_user.h"
#include "tweaks/categories.h"

namespace tallowick {
namespace {

// Every box ticked the other way, every choice moved to the next item, every edit given
// a number: what a user changing the page would do.
void ChangeEverythingShown(MemoryPages& pages) {
    for (const PageSpec& layout : PageLayouts()) {
        if (!pages.IsPageVisible(layout.page))
            continue;
        for (const ControlSpec& control : layout.controls) {
            if (!pages.IsControlVisible(layout.page, control.id) ||
                !pages.IsControlEnabled(layout.page, control.id)) {
                continue;
            }
            switch (control.kind) {
                case ControlKind::CheckBox:
                    pages.SetCheck(layout.page, control.id,
                                   !pages.IsChecked(layout.page, control.id));
                    break;
                case ControlKind::Combo:
                case ControlKind::ColourCombo:
                    if (const int count = pages.ComboGetCount(layout.page, control.id)) {
                        pages.ComboSetCurSel(
                            layout.page, control.id,
                            (pages.ComboGetCurSel(layout.page, control.id) + 1) % count);
                    }
                    break;
                case ControlKind::Edit:
                    pages.SetText(layout.page, control.id, "12");
                    break;
                default:
                    break;
            }
        }
    }
}

// The category a node is under: its topmost ancestor.
std::map<TweakId, std::string> CategoryOfEachNode() {
    std::map<TweakId, std::string> out;
    const std::vector<TreeNode>& nodes = TreeNodes();
    for (const TreeNode& node : nodes) {
        const TreeNode* top = &node;
        while (top->parent >= 0)
            top = &nodes[static_cast<std::size_t>(top->parent)];
        out[node.id] = top->label;
    }
    return out;
}

class UndoPreviewTest : public ::testing::Test {
  protected:
    void SetUp() override { StartAsReturningUser(registry, host, core, RegisterAllCategories); }
    // Quick Edit the Command Prompt, on a machine that has its key.
    void SelectQuickEdit() {
        ASSERT_TRUE(
            registry.LoadRegText("REGEDIT4\n[HKEY_CURRENT_USER\\Console]\n"
                                 "\"QuickEdit\"=dword:00000000\n"));
        core.OnSelect(11);
    }

    MemoryRegistry registry;
    FakeHost host;
    MemoryPages pages{PageLayouts()};
    AppCore core{registry, host, pages};
};

TEST_F(UndoPreviewTest, EveryTweakPreviewsExactlyWhatItAppliesAndUndoesToTheRegistryBefore) {
    const std::map<TweakId, std::string> categories = CategoryOfEachNode();
    const std::string dateFile = host.programFolder + "\\DateFile.txt";
    // Declared or not, by category: the tweaks that changed something.
    std::map<std::string, std::set<bool>> undoneByCategory;
    for (const auto& [id, handlers] : core.Handlers().All()) {
        if (!handlers.apply || id < 2 || id > 310)
            continue;
        SCOPED_TRACE("tweak " + std::to_string(id) + " " + core.Catalogue()[id].name);
        core.OnSelect(id);
        ChangeEverythingShown(pages);
        const std::string registryBefore = registry.SaveRegText();
        const auto filesBefore = host.files;
        const std::size_t entriesBefore = core.Journal().Entries().size();

        const AppCore::PreviewResult preview = core.OnPreview();
        EXPECT_EQ(registry.SaveRegText(), registryBefore);
        EXPECT_EQ(host.files, filesBefore) << "a preview wrote a file or a date";

        core.OnApply();
        const std::vector<JournalEntry>& entries = core.Journal().Entries();
        if (entries.size() == entriesBefore) {
            EXPECT_TRUE(preview.changes.empty());
            EXPECT_EQ(registry.SaveRegText(), registryBefore) << "a change was not journaled";
            continue;
        }
        EXPECT_EQ(entries.back().changes, preview.changes);
        const std::string registryApplied = registry.SaveRegText();

        // The journal file holds the same entry, byte for byte once written again.
        ChangeJournal reread(host, host.programFolder);
        reread.Load();
        ASSERT_EQ(reread.Entries().size(), entries.size());
        EXPECT_EQ(FormatJournalEntry(reread.Entries().back()), FormatJournalEntry(entries.back()));

        ASSERT_TRUE(core.CanUndo());
        host.today = Date{2008, 1, 2};
        ASSERT_TRUE(core.OnUndoLast());
        EXPECT_EQ(registry.SaveRegText(), registryBefore);
        EXPECT_NE(host.files[dateFile].find("," + FormatDate(host.today) + ")"), std::string::npos)
            << "the undo records its date";
        host.today = kToday;
        // The undo is journaled too, and undoing it applies again.
        ASSERT_TRUE(core.OnUndoLast());
        EXPECT_EQ(registry.SaveRegText(), registryApplied);
        ASSERT_TRUE(core.OnUndoLast());
        EXPECT_EQ(registry.SaveRegText(), registryBefore);
        undoneByCategory[categories.at(id)].insert(handlers.declared != nullptr);
    }
    // Each category had a declared and a handwritten tweak that changed something.
    // Declared and handwritten tweaks were both undone. (From a bare machine, several
    // categories' tweaks write nothing here: their pages need keys the registry lacks.)
    std::set<bool> undoneKinds;
    for (const auto& [category, kinds] : undoneByCategory)
        undoneKinds.insert(kinds.begin(), kinds.end());
    EXPECT_EQ(undoneKinds, (std::set<bool>{false, true}));
}

TEST_F(UndoPreviewTest, AFailedRestoreIsReportedAndNothingIsUndone) {
    SelectQuickEdit();
    ChangeEverythingShown(pages);
    core.OnApply();
    ASSERT_TRUE(core.CanUndo());
    const std::string applied = registry.SaveRegText();
    const std::size_t entries = core.Journal().Entries().size();
    registry.FailOn(RegOp::Create, hive::CurrentUser, "Console", err::AccessDenied);
    host.messageBoxes.clear();
    EXPECT_FALSE(core.OnUndoLast());
    ASSERT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_NE(host.messageBoxes[0].text.find("HKEY_CURRENT_USER\\Console"), std::string::npos);
    EXPECT_EQ(registry.SaveRegText(), applied);
    EXPECT_EQ(core.Journal().Entries().size(), entries);
}

TEST_F(UndoPreviewTest, AJournalThatCannotBeWrittenIsToldOnceAndApplyStillRuns) {
    host.failWrites.insert(core.Journal().FilePath());
    SelectQuickEdit();
    for (int round = 0; round < 2; ++round) {
        ChangeEverythingShown(pages);
        core.OnApply();
    }
    EXPECT_EQ(host.messageBoxes.size(), 1u);
    EXPECT_FALSE(core.CanUndo());
}

}  // namespace
}  // namespace tallowick
