// Accessories tweaks against a real registry: one tweak of each declared shape and every
// handwritten handler, run natively on the in-memory registry and under Wine on the real
// one, so both agree on what the handlers leave behind.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "support/registry_test_support.h"
#include "support/scratch.h"
#include "tweaks/categories.h"

#ifdef _WIN32
#include "platform/win32/win32_registry.h"
#else
#include "platform/memory/memory_registry.h"
#endif

namespace tallowick {
namespace {

const std::string kProcessor = "Software\\Microsoft\\Command Processor";
const std::string kApplets = "Software\\Microsoft\\Windows\\CurrentVersion\\Applets";
const std::string kEnvironment = "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Environment";
const std::string kInstaller = "Software\\Policies\\Microsoft\\Windows\\Installer";
const std::string kMirror =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Group Policy Objects\\LocalMachine";

// Keys and values these cases create; removed before and after each case so the Wine
// prefix is left as it was found.
struct Owned {
    RegKey hive;
    std::string path;
    const char* value;  // nullptr: the whole key
};
const Owned kOwned[] = {
    {hive::CurrentUser, "Software\\Microsoft\\Telnet", nullptr},
    {hive::LocalMachine, kEnvironment, "DEVMGR_SHOW_NONPRESENT_DEVICES"},
    {hive::CurrentUser, kApplets + "\\Tour", nullptr},
    {hive::LocalMachine, kApplets + "\\Tour", nullptr},
    {hive::CurrentUser, kApplets + "\\Regedit", nullptr},
    {hive::CurrentUser, kProcessor, "AutoRun"},
    {hive::CurrentUser, kProcessor, "CompletionChar"},
    {hive::LocalMachine, kProcessor, "CompletionChar"},
    {hive::CurrentUser, "Software\\Policies\\Microsoft\\Windows\\System", nullptr},
    {hive::ClassesRoot, "Directory\\shell\\Command", nullptr},
    {hive::LocalMachine, kInstaller, nullptr},
    {hive::CurrentUser, kMirror + "\\Software", nullptr},
};

class AccessoriesConformance : public ::testing::Test {
  protected:
    AccessoriesConformance() : saved_(registry_, hive::CurrentUser, "Software\\Quenby Manager") {
        Clean();
        core_.LoadData();
        core_.OpenPages(RegisterAllCategories);
    }
    ~AccessoriesConformance() override { Clean(); }

    void Clean() {
        for (const Owned& owned : kOwned) {
            if (owned.value) {
                registry_.DeleteValueAt(owned.hive, owned.path.c_str(), owned.value);
            } else {
                registry_.DeleteTree(owned.hive, owned.path.c_str());
            }
        }
    }
    void Make(RegKey root, const std::string& path) {
        KeyHandle key(registry_);
        ASSERT_EQ(registry_.CreateKey(root, path.c_str(), key.out()), err::Success) << path;
    }
    void Put(RegKey root, const std::string& path, const char* name, const RegValue& value) {
        ASSERT_EQ(WriteValue(registry_, root, path, name, value), err::Success) << path;
    }
    std::optional<RegValue> Get(RegKey root, const std::string& path, const char* name) {
        return ReadValue(registry_, root, path, name);
    }
    bool Has(RegKey root, const std::string& path) { return KeyExists(registry_, root, path); }
    void Check(int id, bool on) { pages_.SetCheck(page_, id, on); }
    void Show(TweakId id, PageId page) {
        page_ = page;
        core_.OnSelect(id);
        ASSERT_TRUE(pages_.IsPageVisible(page));
    }

#ifdef _WIN32
    Win32Registry registry_;
#else
    MemoryRegistry registry_;
#endif
    SavedKey saved_;
    FakeHost host_;  // Windows XP; the date file stays in memory
    MemoryPages pages_{PageLayouts()};
    AppCore core_{registry_, host_, pages_};
    PageId page_ = PageId::MultiCheckPage;
};

TEST_F(AccessoriesConformance, CheckboxesCreateWriteAndDelete) {
    // Telnet smooth scrolling: Software\Microsoft opened, Telnet created under it.
    Make(hive::CurrentUser, "Software\\Microsoft");
    Show(50, PageId::MultiCheckPage);
    EXPECT_FALSE(pages_.IsChecked(page_, ctl::MainCheck));
    Check(ctl::MainCheck, true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, "Software\\Microsoft\\Telnet", "SmoothScroll"), DwordValue(1));
    Show(50, PageId::MultiCheckPage);
    EXPECT_TRUE(pages_.IsChecked(page_, ctl::MainCheck));

    // Hidden devices: the text "1" when checked, the value deleted when not.
    Make(hive::LocalMachine, kEnvironment);
    Show(47, PageId::MultiCheckPage);
    Check(ctl::MainCheck, true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kEnvironment, "DEVMGR_SHOW_NONPRESENT_DEVICES"),
              SzValue("1"));
    Show(47, PageId::MultiCheckPage);
    EXPECT_TRUE(pages_.IsChecked(page_, ctl::MainCheck));
    Check(ctl::MainCheck, false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kEnvironment, "DEVMGR_SHOW_NONPRESENT_DEVICES"),
              std::nullopt);
    EXPECT_TRUE(host_.messageBoxes.empty());
}

TEST_F(AccessoriesConformance, DualScopeWritesBothHives) {
    Make(hive::CurrentUser, kApplets);
    Make(hive::LocalMachine, kApplets);
    Put(hive::CurrentUser, kApplets + "\\Tour", "RunCount", DwordValue(1));
    Show(44, PageId::MultiCheckPage);
    EXPECT_FALSE(pages_.IsChecked(page_, ctl::MainCheck));
    EXPECT_FALSE(pages_.IsChecked(page_, ctl::SecondCheck));
    Check(ctl::MainCheck, true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kApplets + "\\Tour", "RunCount"), DwordValue(0));
    EXPECT_EQ(Get(hive::LocalMachine, kApplets + "\\Tour", "RunCount"), DwordValue(1));
}

TEST_F(AccessoriesConformance, EditWritesItsTextAndAnEmptyEditDeletesIt) {
    Make(hive::CurrentUser, kProcessor);
    Show(12, PageId::PathEditPage);
    pages_.SetText(page_, ctl::Edit1, "doskey /macrofile=C:\\macros.txt");
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kProcessor, "AutoRun"),
              SzValue("doskey /macrofile=C:\\macros.txt"));
    Show(12, PageId::PathEditPage);
    EXPECT_EQ(pages_.GetText(page_, ctl::Edit1), "doskey /macrofile=C:\\macros.txt");
    pages_.SetText(page_, ctl::Edit1, "");
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kProcessor, "AutoRun"), std::nullopt);
}

TEST_F(AccessoriesConformance, ListChoiceIsStoredAsItsRow) {
    Make(hive::CurrentUser, "Software\\Policies\\Microsoft");
    Show(7, PageId::ListPage);
    pages_.ListSetSelected(page_, ctl::List, 2);
    core_.OnApply();
    EXPECT_EQ(
        Get(hive::CurrentUser, "Software\\Policies\\Microsoft\\Windows\\System", "DisableCMD"),
        DwordValue(2));
    Show(7, PageId::ListPage);
    EXPECT_EQ(pages_.ListGetSelected(page_, ctl::List), 2);
}

TEST_F(AccessoriesConformance, CommandPromptMenuEntryIsAddedAndRemoved) {
    Make(hive::ClassesRoot, "Directory\\shell");
    Show(2, PageId::PathEditPage);
    Check(ctl::MainCheck, true);
    pages_.SetText(page_, ctl::Edit1, "Command Prompt Here");
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, "Directory\\shell\\Command", nullptr),
              SzValue("Command Prompt Here"));
    EXPECT_EQ(Get(hive::ClassesRoot, "Directory\\shell\\Command\\command", nullptr),
              SzValue("cmd.exe /k cd %1"));
    Show(2, PageId::PathEditPage);
    EXPECT_TRUE(pages_.IsChecked(page_, ctl::MainCheck));
    Check(ctl::MainCheck, false);
    core_.OnApply();
    EXPECT_FALSE(Has(hive::ClassesRoot, "Directory\\shell\\Command"));
    EXPECT_TRUE(Has(hive::ClassesRoot, "Directory\\shell"));
}

TEST_F(AccessoriesConformance, CompletionCharactersPerScope) {
    Make(hive::CurrentUser, kProcessor);
    Make(hive::LocalMachine, kProcessor);
    Put(hive::LocalMachine, kProcessor, "CompletionChar", DwordValue(9));
    Show(8, PageId::ComboCheckPage);
    EXPECT_EQ(pages_.ComboGetCurSel(page_, ctl::Combo2), 2);
    pages_.ComboSetCurSel(page_, ctl::Combo1, 1);
    pages_.ComboSetCurSel(page_, ctl::Combo2, 0);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kProcessor, "CompletionChar"), DwordValue(8));
    EXPECT_EQ(Get(hive::LocalMachine, kProcessor, "CompletionChar"), std::nullopt);
}

TEST_F(AccessoriesConformance, RegistryEditorRepairDeletesTheSavedState) {
    const std::string regedit = kApplets + "\\Regedit";
    Put(hive::CurrentUser, regedit, "LastKey", SzValue("My Computer\\HKEY_USERS"));
    Put(hive::CurrentUser, regedit, "View", RegValue{regtype::Binary, {1, 2, 3}});
    Put(hive::CurrentUser, regedit, "Favourites", SzValue("kept"));
    for (TweakId id : {28u, 293u}) {
        Show(id, PageId::MultiCheckPage);
        EXPECT_FALSE(pages_.IsChecked(page_, ctl::MainCheck));
        Check(ctl::MainCheck, true);
        core_.OnApply();
    }
    EXPECT_EQ(Get(hive::CurrentUser, regedit, "LastKey"), std::nullopt);
    EXPECT_EQ(Get(hive::CurrentUser, regedit, "View"), std::nullopt);
    EXPECT_EQ(Get(hive::CurrentUser, regedit, "Favourites"), SzValue("kept"));
    EXPECT_EQ(core_.Dates().LookUp("Repare The Registry Editor"), "3/5/2007");
    EXPECT_EQ(core_.Dates().LookUp("Repair the Registry Editor"), "3/5/2007");
}

TEST_F(AccessoriesConformance, InstallerPoliciesAreMirroredAndRemovedWithoutLosingOthers) {
    const std::string mirrored = kMirror + "\\" + kInstaller;
    Make(hive::LocalMachine, kInstaller);
    Make(hive::CurrentUser, kMirror);
    // Another policy in the mirror, which neither tweak may take away.
    Put(hive::CurrentUser, kMirror + "\\Software\\Policies\\Microsoft\\Windows NT", "Other",
        DwordValue(1));

    Show(39, PageId::ComboCheckPage);
    pages_.ComboSetCurSel(page_, ctl::Combo1, 1);
    core_.OnApply();
    Show(41, PageId::ListPage);
    Check(ctl::MainCheck, true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kInstaller, "DisableMSI"), DwordValue(1));
    EXPECT_EQ(Get(hive::CurrentUser, mirrored, "DisableMSI"), DwordValue(1));
    EXPECT_EQ(Get(hive::LocalMachine, kInstaller, "Logging"), SzValue("voicewarmup"));
    EXPECT_EQ(Get(hive::CurrentUser, mirrored, "Logging"), SzValue("voicewarmup"));

    Show(41, PageId::ListPage);
    EXPECT_TRUE(pages_.IsChecked(page_, ctl::MainCheck));
    Check(ctl::MainCheck, false);
    core_.OnApply();
    Show(39, PageId::ComboCheckPage);
    pages_.ComboSetCurSel(page_, ctl::Combo1, -1);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kInstaller, "Logging"), std::nullopt);
    EXPECT_EQ(Get(hive::LocalMachine, kInstaller, "DisableMSI"), std::nullopt);
    EXPECT_FALSE(Has(hive::CurrentUser, mirrored));
    EXPECT_FALSE(Has(hive::CurrentUser, kMirror + "\\Software\\Policies\\Microsoft\\Windows"));
    EXPECT_EQ(
        Get(hive::CurrentUser, kMirror + "\\Software\\Policies\\Microsoft\\Windows NT", "Other"),
        DwordValue(1));
    EXPECT_TRUE(host_.messageBoxes.empty());
}

}  // namespace
}  // namespace tallowick
