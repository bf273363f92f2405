// Start Menu, Taskbar and Start up tweaks against a real registry and a real boot file:
// one tweak of each declared shape and every handwritten handler, run natively on the
// in-memory seams and under Wine on the real ones. Every value they change is put back,
// every key they make removed, and the boot file they make deleted.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "support/file_host.h"
#include "support/registry_test_support.h"
#include "support/scratch.h"
#include "tweaks/categories.h"

namespace tallowick {
namespace {

const std::string kExplorer = "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer";
const std::string kAdvanced = kExplorer + "\\Advanced";
const std::string kPolicies = "Software\\Microsoft\\Windows\\CurrentVersion\\Policies";
const std::string kDesktop = "Control Panel\\Desktop";
const std::string kDefaultDesktop = ".DEFAULT\\Control Panel\\Desktop";
const std::string kOle = "SOFTWARE\\Microsoft\\Ole";
const std::string kProgram = "Applications\\tallowick-conformance.exe";
constexpr const char* kBoot = "C:\\boot.ini";
constexpr const char* kBootFiles[] = {"C:\\boot.ini", "C:\\boot.ini.old", "C:\\boot.ini.new"};

struct Value {
    RegKey hive;
    std::string path;
    const char* name;
};
// The values these cases change.
const Value kValues[] = {
    {hive::CurrentUser, kPolicies + "\\Explorer", "MaxRecentDocs"},
    {hive::LocalMachine, kPolicies + "\\Explorer", "MaxRecentDocs"},
    {hive::CurrentUser, kPolicies + "\\Explorer", "NoStartBanner"},
    {hive::CurrentUser, kAdvanced, "Start_ShowMyDocs"},
    {hive::LocalMachine, kAdvanced, "Start_ShowMyDocs"},
    {hive::CurrentUser, kAdvanced, "EnableBalloonTips"},
    {hive::CurrentUser, kAdvanced, "Start_ShowMyMusic"},
    {hive::CurrentUser, kDesktop, "AutoEndTasks"},
    {hive::CurrentUser, kDesktop, "WaitToKillAppTimeout"},
    {hive::CurrentUser, kDesktop, "HungAppTimeout"},
    {hive::Users, kDefaultDesktop, "AutoEndTasks"},
    {hive::Users, kDefaultDesktop, "WaitToKillAppTimeout"},
    {hive::Users, kDefaultDesktop, "HungAppTimeout"},
    {hive::LocalMachine, kOle, "EnableRemoteConnect"},
};
// The keys they make, which the prefix does not have.
const Value kKeys[] = {
    {hive::CurrentUser, kPolicies + "\\NonEnum", nullptr},
    {hive::LocalMachine, kPolicies + "\\NonEnum", nullptr},
    {hive::CurrentUser, kExplorer + "\\RunMRU", nullptr},
    {hive::CurrentUser, kExplorer + "\\MenuOrder", nullptr},
    {hive::ClassesRoot, kProgram, nullptr},
};

class StartMenuStartupConformance : public ::testing::Test {
  protected:
    StartMenuStartupConformance()
        : saved_(*seams_.registry, hive::CurrentUser, "Software\\Quenby Manager") {
        for (const Value& value : kValues)
            values_.push_back(ReadValue(registry_, value.hive, value.path, value.name));
        for (const Value& key : kKeys)
            registry_.DeleteTree(key.hive, key.path.c_str());
        for (const char* file : kBootFiles) {
            bootFiles_.push_back(seams_.host->ReadWholeFile(file));
            bootAttributes_.push_back(seams_.host->AttributesOf(file));
        }
        for (const std::string& path : {kAdvanced, kPolicies + "\\Explorer", kDesktop})
            Make(hive::CurrentUser, path);
        for (const std::string& path : {kAdvanced, kPolicies + "\\Explorer", kOle})
            Make(hive::LocalMachine, path);
        Make(hive::Users, kDefaultDesktop);
        Make(hive::ClassesRoot, "Applications");
        core_.LoadData();
        core_.OpenPages(RegisterAllCategories);
    }
    ~StartMenuStartupConformance() override {
        for (std::size_t i = 0; i < values_.size(); ++i) {
            const Value& value = kValues[i];
            if (values_[i]) {
                WriteValue(registry_, value.hive, value.path, value.name, *values_[i]);
            } else {
                registry_.DeleteValueAt(value.hive, value.path.c_str(), value.name);
            }
        }
        for (const Value& key : kKeys)
            registry_.DeleteTree(key.hive, key.path.c_str());
        Host& disk = *seams_.host;
        for (std::size_t i = 0; i < std::size(kBootFiles); ++i) {
            disk.ChangeAttributes(kBootFiles[i], fileattr::Normal);
            if (bootFiles_[i]) {
                disk.WriteWholeFile(kBootFiles[i], *bootFiles_[i]);
                disk.ChangeAttributes(kBootFiles[i], bootAttributes_[i].value_or(fileattr::Normal));
            } else {
                disk.RemoveFile(kBootFiles[i]);
            }
        }
    }

    void Make(RegKey root, const std::string& path) {
        KeyHandle key(registry_);
        ASSERT_EQ(registry_.CreateKey(root, path.c_str(), key.out()), err::Success) << path;
    }
    std::optional<RegValue> Get(RegKey root, const std::string& path, const char* name) {
        return ReadValue(registry_, root, path, name);
    }
    void Show(TweakId id, PageId page) {
        page_ = page;
        core_.OnSelect(id);
        ASSERT_TRUE(pages_.IsPageVisible(page));
    }
    void Check(bool on, int box = ctl::MainCheck) { pages_.SetCheck(page_, box, on); }
    bool Checked(int box = ctl::MainCheck) { return pages_.IsChecked(page_, box); }
    void Select(int index, int combo = ctl::Combo1) { pages_.ComboSetCurSel(page_, combo, index); }
    int Selected(int combo = ctl::Combo1) { return pages_.ComboGetCurSel(page_, combo); }

    Seams seams_;
    Registry& registry_ = *seams_.registry;
    SavedKey saved_;
    std::vector<std::optional<RegValue>> values_;
    std::vector<std::optional<std::string>> bootFiles_;
    std::vector<std::optional<std::uint32_t>> bootAttributes_;
    FakeHost fake_;  // Windows XP; the date file stays in memory
    FileHost host_{*seams_.host, fake_, "C:\\boot.in"};  // the boot file and its neighbours
    MemoryPages pages_{PageLayouts()};
    AppCore core_{registry_, host_, pages_};
    PageId page_ = PageId::MultiCheckPage;
};

TEST_F(StartMenuStartupConformance, BoxesOfEveryKindOfData) {
    // A menu cleared in one scope; a link in the other stays.
    WriteValue(registry_, hive::CurrentUser, kAdvanced, "Start_ShowMyDocs", DwordValue(1));
    WriteValue(registry_, hive::LocalMachine, kAdvanced, "Start_ShowMyDocs", DwordValue(2));
    Show(183, PageId::MultiCheckPage);
    EXPECT_FALSE(Checked());
    EXPECT_TRUE(Checked(ctl::SecondCheck));
    Check(false, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kAdvanced, "Start_ShowMyDocs"), DwordValue(1));
    EXPECT_EQ(Get(hive::LocalMachine, kAdvanced, "Start_ShowMyDocs"), DwordValue(0));

    Show(191, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kAdvanced, "EnableBalloonTips"), DwordValue(0));

    Show(195, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kPolicies + "\\Explorer", "NoStartBanner"),
              (RegValue{regtype::Binary, {1, 0, 0, 0}}));
    Show(195, PageId::MultiCheckPage);
    EXPECT_TRUE(Checked());

    Show(217, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(Get(hive::LocalMachine, kOle, "EnableRemoteConnect"), SzValue("N"));

    // NonEnum is made below Policies in each scope.
    Show(201, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_EQ(
        Get(hive::CurrentUser, kPolicies + "\\NonEnum", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}"),
        DwordValue(1));
    EXPECT_EQ(
        Get(hive::LocalMachine, kPolicies + "\\NonEnum", "{20D04FE0-3AEA-1069-A2D8-08002B30309D}"),
        DwordValue(0));
}

TEST_F(StartMenuStartupConformance, EditsChoicesAndKeys) {
    Show(179, PageId::PathEditPage);
    pages_.SetText(page_, ctl::Edit1, "25x");
    pages_.SetText(page_, ctl::Edit2, "");
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kPolicies + "\\Explorer", "MaxRecentDocs"), DwordValue(25));
    EXPECT_EQ(Get(hive::LocalMachine, kPolicies + "\\Explorer", "MaxRecentDocs"), std::nullopt);

    Show(225, PageId::PathEditPage);
    pages_.SetText(page_, ctl::Edit1, "5000");
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "HungAppTimeout"), SzValue("5000"));
    EXPECT_EQ(Get(hive::Users, kDefaultDesktop, "HungAppTimeout"), SzValue("5000"));

    Show(213, PageId::ComboCheckPage);
    Check(true);
    Select(-1);
    core_.OnApply();
    EXPECT_EQ(Get(hive::Users, kDefaultDesktop, "WaitToKillAppTimeout"), SzValue("20000"));
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "AutoEndTasks"), SzValue("1"));

    Show(210, PageId::SixComboPage);
    Select(2, ctl::Combo4);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kAdvanced, "Start_ShowMyMusic"), DwordValue(2));

    Show(196, PageId::MultiCheckPage);
    Check(false);
    core_.OnApply();
    EXPECT_TRUE(KeyExists(registry_, hive::CurrentUser, kExplorer + "\\RunMRU"));
    Show(196, PageId::MultiCheckPage);
    Check(true);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::CurrentUser, kExplorer + "\\RunMRU"));
}

TEST_F(StartMenuStartupConformance, HandwrittenProgramsSortOrdersAndBootFile) {
    Make(hive::ClassesRoot, kProgram);
    Show(208, PageId::ValueListPage);
    const int rows = pages_.ListGetItemCount(page_, ctl::ValueList);
    int row = 0;
    while (row < rows &&
           pages_.ListGetItemText(page_, ctl::ValueList, row, 0) != "tallowick-conformance.exe")
        ++row;
    ASSERT_LT(row, rows);
    EXPECT_TRUE(pages_.ListGetCheckState(page_, ctl::ValueList, row));
    pages_.ListSetCheckState(page_, ctl::ValueList, row, false);
    core_.OnApply();
    EXPECT_EQ(Get(hive::ClassesRoot, kProgram, "NoStartPage"), (RegValue{regtype::Sz, {}}));

    Make(hive::CurrentUser, kExplorer + "\\MenuOrder\\Start Menu\\Programs");
    Show(209, PageId::MultiCheckPage);
    EXPECT_FALSE(Checked());
    EXPECT_TRUE(Checked(ctl::SecondCheck));
    Check(true);
    Check(false, ctl::SecondCheck);
    core_.OnApply();
    EXPECT_FALSE(KeyExists(registry_, hive::CurrentUser, kExplorer + "\\MenuOrder\\Start Menu"));
    EXPECT_TRUE(KeyExists(registry_, hive::CurrentUser, kExplorer + "\\MenuOrder\\Favorites"));

    const std::string boot =
        "[boot loader]\r\ndefault=multi(0)disk(0)rdisk(0)partition(1)\\WINDOWS\r\ntimeout=30\r\n";
    Host& disk = *seams_.host;
    disk.ChangeAttributes(kBoot, fileattr::Normal);
    ASSERT_TRUE(disk.WriteWholeFile(kBoot, boot));
    ASSERT_TRUE(disk.ChangeAttributes(kBoot, fileattr::Hidden | fileattr::System));
    Show(222, PageId::ComboCheckPage);
    EXPECT_TRUE(Checked());
    EXPECT_EQ(Selected(), 30);
    Select(5);
    core_.OnApply();
    std::string changed = boot;
    changed.replace(changed.find("30"), 2, "5");
    EXPECT_EQ(disk.ReadWholeFile(kBoot), changed);
    EXPECT_EQ(disk.AttributesOf(kBoot).value_or(0) & (fileattr::Hidden | fileattr::System),
              fileattr::Hidden | fileattr::System);
    EXPECT_EQ(disk.ReadWholeFile("C:\\boot.ini.old"), boot);
    EXPECT_TRUE(fake_.messageBoxes.empty());

    ASSERT_TRUE(disk.ChangeAttributes(kBoot, fileattr::ReadOnly));
    Check(false);
    core_.OnApply();
    EXPECT_EQ(fake_.messageBoxes.size(), 1u);
    EXPECT_EQ(disk.ReadWholeFile(kBoot), changed) << "a read-only file is left alone";
}

}  // namespace
}  // namespace tallowick
