// Preview and Undo through the application core, for every tweak that can be applied:
// the page is changed as a user would change it, then previewed, applied and undone.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "shell/preview_overlay.h"
#include "support/registry_test_support.h"
#include "support/returning_user.h"
#include "tweaks/accessories/accessories.h"
#include "tweaks/appearance/appearance.h"
#include "tweaks/categories.h"
#include "tweaks/desktop/desktop.h"
#include "tweaks/explorer/explorer.h"
#include "tweaks/filesystem/filesystem.h"
#include "tweaks/login/login.h"
#include "tweaks/root/root.h"
#include "tweaks/startmenu/startmenu.h"
#include "tweaks/startup/startup.h"
#include "tweaks/system/system.h"
#include "tweaks/troubleshooting/troubleshooting.h"

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
                case ControlKind::List:
                    if (const int count = pages.ListGetItemCount(layout.page, control.id)) {
                        pages.ListSetSelected(
                            layout.page, control.id,
                            (pages.ListGetSelected(layout.page, control.id) + 1) % count);
                    }
                    break;
                case ControlKind::CheckList:
                    for (int row = 0; row < pages.ListGetItemCount(layout.page, control.id);
                         ++row) {
                        pages.ListSetCheckState(
                            layout.page, control.id, row,
                            !pages.ListGetCheckState(layout.page, control.id, row));
                    }
                    break;
                default:
                    break;
            }
        }
    }
}

// The category each tweak comes from: which category's registration adds it.
std::map<TweakId, std::string> CategoryOfEachTweak() {
    const std::pair<const char*, void (*)(HandlerTable&)> categories[] = {
        {"accessories", RegisterAccessories},
        {"appearance", RegisterAppearance},
        {"desktop", RegisterDesktop},
        {"explorer", RegisterExplorer},
        {"filesystem", RegisterFileSystem},
        {"login", RegisterLogin},
        {"startmenu", RegisterStartMenu},
        {"startup", RegisterStartup},
        {"system", RegisterSystem},
        {"troubleshooting", RegisterTroubleshooting},
        {"root", RegisterRoot}};
    std::map<TweakId, std::string> out;
    for (const auto& [name, registerCategory] : categories) {
        HandlerTable table;
        registerCategory(table);
        for (const auto& [id, handlers] : table.All())
            out[id] = name;
    }
    return out;
}

// What a tweak needs besides the keys it looks for, to have something to change: values
// a repair removes, programs a list offers, a file, or the one Windows its gate lets in.
struct Fixture {
    const char* reg = nullptr;
    std::pair<const char*, const char*> file{};
    std::optional<OsVersion> version = std::nullopt;
};
constexpr OsVersion kWindows2000{5, 0, 2195, 2};
constexpr const char* kRegeditState =
    R"([HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Applets\Regedit]
"LastKey"="My Computer\\HKEY_CURRENT_USER")";
constexpr const char* kBootIni =
    "[boot loader]\r\ntimeout=30\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\n"
    "[operating systems]\r\nmulti(0)disk(0)rdisk(0)partition(1)\\WINDOWS=\"Windows XP\"\r\n";
const std::map<TweakId, Fixture> kFixtures = {
    {28, {.reg = kRegeditState}},
    {82, {.reg = R"([HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\Winlogon]
"ScreenSaverGracePeriod"="5")"}},
    {86, {.version = kWindows2000}},
    {119, {.reg = R"([HKEY_LOCAL_MACHINE\SOFTWARE\Classes\Applications\tlw.exe\shell])"}},
    {170, {.version = kWindows2000}},
    {208, {.reg = R"([HKEY_LOCAL_MACHINE\SOFTWARE\Classes\Applications\tlw.exe])"}},
    {222, {.file = {"c:\\boot.ini", kBootIni}}},
    {291, {.file = {"C:\\WINDOWS\\ShellIconCache", "cache"}}},
    {292, {.reg = R"([HKEY_CURRENT_USER\Software\Microsoft\Office\10.0]
"Shortcut Bar"="1")"}},
    {293, {.reg = kRegeditState}},
};

// A returning user's machine with the given keys made, and the tweak's fixture.
struct Machine {
    Machine(const std::vector<std::pair<RegKey, std::string>>& keys, TweakId tweak = 0) {
        for (const auto& [root, path] : keys) {
            KeyHandle key(registry);
            registry.CreateKey(root, path.c_str(), key.out());
        }
        const auto fixture = kFixtures.find(tweak);
        if (fixture != kFixtures.end()) {
            const Fixture& f = fixture->second;
            if (f.reg) {
                EXPECT_TRUE(registry.LoadRegText(std::string("REGEDIT4\n") + f.reg + "\n"));
            }
            if (f.file.first)
                host.files[f.file.first] = f.file.second;
            host.version = f.version.value_or(host.version);
        }
        StartAsReturningUser(registry, host, core, RegisterAllCategories);
    }
    void ChangeTweak(TweakId id) {
        core.OnSelect(id);
        ChangeEverythingShown(pages);
    }
    // The files a change may touch: the date file and the journal are the program's own.
    std::map<std::string, std::string, PathLess> TweakFiles() const {
        auto files = host.files;
        files.erase(host.programFolder + "\\DateFile.txt");
        files.erase(host.programFolder + "\\ChangeJournal.txt");
        return files;
    }

    MemoryRegistry registry;
    FakeHost host;
    MemoryPages pages{PageLayouts()};
    AppCore core{registry, host, pages};
};

// The keys a tweak opens and finds missing when shown and applied after its page is
// changed, gathered until making them uncovers no more: most tweaks write only where
// their keys exist, and this reaches those writes without a fixture per tweak.
std::vector<std::pair<RegKey, std::string>> KeysTheTweakLooksFor(TweakId id) {
    std::vector<std::pair<RegKey, std::string>> keys;
    std::set<std::string> known;
    for (int round = 0; round < 4; ++round) {
        Machine m(keys, id);
        m.registry.ClearCalls();
        m.ChangeTweak(id);
        m.core.OnApply();
        const std::size_t before = keys.size();
        for (const RegCall& call : m.registry.Calls()) {
            if (call.op == RegOp::Open && call.result == err::FileNotFound &&
                known.insert(std::to_string(call.hive) + "\\" + call.path).second) {
                keys.emplace_back(call.hive, call.path);
            }
        }
        if (keys.size() == before)
            break;
    }
    return keys;
}

// For every tweak that can be applied, on a machine that has the keys it looks for and
// its fixture, with its page changed as a user would: Apply changes something (else
// nothing below is checked for it); the preview changes nothing and lists exactly what
// Apply then changes; the entry's "after" part turns the registry before into the
// registry after; Undo gives back the whole registry and every file as they were, and
// undoing the undo applies again.
TEST(UndoPreviewProperty, EveryTweakPreviewsWhatItAppliesAndUndoesToExactlyTheStateBefore) {
    const std::map<TweakId, std::string> categories = CategoryOfEachTweak();
    // Declared or not, by category: the kinds of tweak each has, and those undone.
    std::map<std::string, std::set<bool>> kindsByCategory, undoneByCategory;
    Machine all({});
    for (const auto& [id, handlers] : all.core.Handlers().All()) {
        if (!handlers.apply || id < 2 || id > 310)
            continue;
        SCOPED_TRACE("tweak " + std::to_string(id) + " " + all.core.Catalogue()[id].name);
        kindsByCategory[categories.at(id)].insert(handlers.declared != nullptr);
        Machine m(KeysTheTweakLooksFor(id), id);
        m.ChangeTweak(id);
        const std::string registryBefore = m.registry.SaveRegText();
        const auto filesBefore = m.host.files;
        const auto attributesBefore = m.host.attributes;
        const std::size_t entriesBefore = m.core.Journal().Entries().size();

        const AppCore::PreviewResult preview = m.core.OnPreview();
        EXPECT_EQ(m.registry.SaveRegText(), registryBefore);
        EXPECT_EQ(m.host.files, filesBefore) << "a preview wrote a file or a date";
        EXPECT_EQ(m.host.attributes, attributesBefore);

        const auto tweakFilesBefore = m.TweakFiles();
        m.core.OnApply();
        const std::vector<JournalEntry>& entries = m.core.Journal().Entries();
        if (entries.size() == entriesBefore) {
            ADD_FAILURE() << "Apply changed nothing: the tweak needs a fixture";
            continue;
        }
        EXPECT_EQ(entries.back().changes, preview.changes);
        const std::string registryApplied = m.registry.SaveRegText();
        const auto tweakFilesApplied = m.TweakFiles();
        MemoryRegistry carried;
        ASSERT_TRUE(carried.LoadRegText(registryBefore));
        EXPECT_EQ(ApplyRegText(carried, entries.back().after), err::Success);
        EXPECT_EQ(carried.SaveRegText(), registryApplied) << "the export misses a change";

        // The journal file holds the same entry, byte for byte once written again.
        ChangeJournal reread(m.host, m.host.programFolder);
        reread.Load();
        ASSERT_EQ(reread.Entries().size(), entries.size());
        EXPECT_EQ(FormatJournalEntry(reread.Entries().back()), FormatJournalEntry(entries.back()));

        ASSERT_TRUE(m.core.CanUndo());
        m.host.today = Date{2008, 1, 2};
        ASSERT_TRUE(m.core.OnUndoLast());
        EXPECT_EQ(m.registry.SaveRegText(), registryBefore);
        EXPECT_EQ(m.TweakFiles(), tweakFilesBefore);
        EXPECT_EQ(m.core.Dates().LookUp(m.core.Catalogue()[id].name), FormatDate(m.host.today))
            << "the undo records its date";
        // The undo is journaled too, and undoing it applies again.
        ASSERT_TRUE(m.core.OnUndoLast());
        EXPECT_EQ(m.registry.SaveRegText(), registryApplied);
        EXPECT_EQ(m.TweakFiles(), tweakFilesApplied);
        ASSERT_TRUE(m.core.OnUndoLast());
        EXPECT_EQ(m.registry.SaveRegText(), registryBefore);
        undoneByCategory[categories.at(id)].insert(handlers.declared != nullptr);
    }
    // In every category, a declared and a handwritten tweak (where it has both kinds)
    // changed something and were undone.
    EXPECT_EQ(kindsByCategory.size(), 11u);
    EXPECT_EQ(undoneByCategory, kindsByCategory);
}

// What a registry shows of the classes: HKEY_CLASSES_ROOT and both keys it merges.
std::string ClassesView(Registry& r) {
    std::string out;
    for (auto [root, path] : {std::pair{hive::ClassesRoot, ""},
                              {hive::CurrentUser, "Software\\Classes"},
                              {hive::LocalMachine, "Software\\Classes"}}) {
        std::vector<RegTextKey> keys;
        ReadRegTree(r, root, path, &keys);
        out += WriteRegText(RegTextDocument{RegTextFormat::Regedit4, keys});
    }
    return out;
}

// HKEY_CLASSES_ROOT\X and the Software\Classes\X it shows are one place in a preview as
// in the registry: the same calls, made through one name and read through the other,
// leave the overlay showing what the registry shows after them, and the registry under
// the overlay untouched.
TEST(OverlayRegistryTest, ClassesRootAndTheKeysItShowsAreOnePlace) {
    constexpr const char* kClasses = R"(REGEDIT4
[HKEY_LOCAL_MACHINE\SOFTWARE\Classes\tlwfile]
@="machine's"
"EditFlags"=dword:00000000
[HKEY_LOCAL_MACHINE\SOFTWARE\Classes\tlwfile\shell\open]
[HKEY_CURRENT_USER\Software\Classes\tlwfile]
@="user's"
)";
    const std::function<long(Registry&)> steps[] = {
        // Through HKEY_CLASSES_ROOT into the user's copy, which it shows.
        [](Registry& r) { return WriteValue(r, hive::ClassesRoot, "tlwfile", "", SzValue("a")); },
        // Into the machine's copy, which HKEY_CLASSES_ROOT does not show.
        [](Registry& r) {
            return WriteValue(r, hive::LocalMachine, "Software\\Classes\\tlwfile", "EditFlags",
                              DwordValue(1));
        },
        // A key made through HKEY_CLASSES_ROOT goes to the machine's copy.
        [](Registry& r) { return WriteValue(r, hive::ClassesRoot, ".tlw", "", SzValue("b")); },
        [](Registry& r) {
            return r.DeleteValueAt(hive::LocalMachine, "Software\\Classes\\.tlw", "");
        },
        // Deleting through HKEY_CLASSES_ROOT takes the user's copy first, then the machine's.
        [](Registry& r) { return r.DeleteTree(hive::ClassesRoot, "tlwfile"); },
        [](Registry& r) {
            return WriteValue(r, hive::ClassesRoot, "tlwfile\\shell\\open\\command", "",
                              SzValue("c"));
        },
        [](Registry& r) { return r.DeleteTree(hive::ClassesRoot, "tlwfile"); },
        [](Registry& r) { return r.DeleteKey(hive::ClassesRoot, "tlwfile"); },
    };
    MemoryRegistry real, base;
    ASSERT_TRUE(real.LoadRegText(kClasses));
    ASSERT_TRUE(base.LoadRegText(kClasses));
    const std::string baseBefore = base.SaveRegText();
    OverlayRegistry overlay(base);
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        EXPECT_EQ(steps[i](overlay), steps[i](real));
        EXPECT_EQ(ClassesView(overlay), ClassesView(real));
    }
    EXPECT_EQ(base.SaveRegText(), baseBefore);
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
