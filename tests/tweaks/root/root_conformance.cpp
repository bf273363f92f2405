// The root tweaks' handwritten handlers against a real registry: natively the in-memory
// one, under Wine Wine's. Every value they change is put back.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/tweak_conformance.h"

namespace tallowick {
namespace {

const std::string kVersion = "Software\\Microsoft\\Windows\\CurrentVersion";
const std::string kFolders = kVersion + "\\Explorer\\User Shell Folders";
const std::string kNtVersion = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion";
const std::string kDesktop = "Control Panel\\Desktop";
const char* const kFolderValues[] = {"Cookies", "Desktop", "Favorites", "Cache", "Personal"};

std::vector<Touched> Values() {
    std::vector<Touched> values;
    for (const char* name : kFolderValues)
        values.push_back({hive::CurrentUser, kFolders, name});
    for (const std::string& key : {kNtVersion, kVersion}) {
        values.push_back({hive::LocalMachine, key, "RegisteredOwner"});
        values.push_back({hive::LocalMachine, key, "RegisteredOrganization"});
    }
    for (const char* name : {"CoolSwitch", "CoolSwitchColumns", "CoolSwitchRows"})
        values.push_back({hive::CurrentUser, kDesktop, name});
    return values;
}

class RootConformance : public TweakConformance {
  protected:
    RootConformance() : TweakConformance(Values(), {}) {
        Make(hive::CurrentUser, kFolders);
        Make(hive::CurrentUser, kDesktop);
        for (const std::string& key : {kNtVersion, kVersion})
            Make(hive::LocalMachine, key);
        Start();
        host_.today = Date{2008, 1, 2};  // a later day, so a recorded date shows
    }
    std::string DateOf(TweakId id) { return core_.Dates().LookUp(core_.Catalogue()[id].name); }
    std::string Edit(int edit) { return pages_.GetText(page_, edit); }
    void Put(RegKey root, const std::string& key, const char* name, const std::string& text,
             std::uint32_t type = regtype::Sz) {
        WriteValue(registry_, root, key, name, SzValue(text, type));
    }
};

RegValue Expand(const std::string& text) {
    return SzValue(text, regtype::ExpandSz);
}

TEST_F(RootConformance, SpecialFoldersTakeTheProfileFolderOnlyAsAWholeFolder) {
    Put(hive::CurrentUser, kFolders, "Cookies", "C:\\Cookies", regtype::ExpandSz);
    Put(hive::CurrentUser, kFolders, "Desktop", "%USERPROFILE%\\Desktop");
    Put(hive::CurrentUser, kFolders, "Favorites", "C:\\Documents and Settings\\Alice\\Fav");
    Put(hive::CurrentUser, kFolders, "Cache", "%USERPROFILE%\\a;%USERPROFILE%");
    Put(hive::CurrentUser, kFolders, "Personal", "%USERPROFILE%\\Docs", regtype::ExpandSz);
    host_.specialFolders[csidl::AppData] = "C:\\Documents and Settings\\Al\\Application Data";
    Show(306, PageId::SixPathPage);
    EXPECT_EQ(Edit(ctl::Edit4), "C:\\Documents and Settings\\Al\\a;C:\\Documents and Settings\\Al");
    Type(ctl::Edit1, "");
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kFolders, "Cookies"), Expand("C:\\Cookies")) << "empty row";
    EXPECT_EQ(Get(hive::CurrentUser, kFolders, "Desktop"), Expand("%USERPROFILE%\\Desktop"));
    EXPECT_EQ(Get(hive::CurrentUser, kFolders, "Favorites"),
              Expand("C:\\Documents and Settings\\Alice\\Fav"));
    EXPECT_EQ(Get(hive::CurrentUser, kFolders, "Cache"), Expand("%USERPROFILE%\\a;%USERPROFILE%"));
    EXPECT_EQ(DateOf(306), "1/2/2008");

    // Without "Application Data" the folder is the profile; Me and Windows 7 have none here.
    host_.specialFolders[csidl::AppData] = "C:\\Profiles\\Bob";
    Show(306, PageId::SixPathPage);
    EXPECT_EQ(Edit(ctl::Edit5), "C:\\Profiles\\Bob\\Docs");
    for (OsVersion version : {OsVersion{4, 90, 3000, 1}, OsVersion{6, 1, 7601, 2}}) {
        host_.version = version;
        Show(306, PageId::SixPathPage);
        EXPECT_EQ(Edit(ctl::Edit5), "%USERPROFILE%\\Docs");
        core_.OnApply();
        EXPECT_EQ(Get(hive::CurrentUser, kFolders, "Personal"), Expand("%USERPROFILE%\\Docs"));
    }
}

TEST_F(RootConformance, OwnerGoesToTheKeyOfTheRunningWindowsAndEmptyEditsKeepTheirValues) {
    for (const auto& [version, key] : {std::pair{OsVersion{5, 1, 2600, 2}, kNtVersion},
                                       std::pair{OsVersion{4, 10, 1998, 1}, kVersion}}) {
        host_.version = version;
        Put(hive::LocalMachine, key, "RegisteredOrganization", "Org " + key);
        Show(308, PageId::PathEditPage);
        EXPECT_EQ(Edit(ctl::Edit2), "Org " + key);
        Type(ctl::Edit1, "Owner " + key);
        Type(ctl::Edit2, "");
        core_.OnApply();
        EXPECT_EQ(Get(hive::LocalMachine, key, "RegisteredOwner"), SzValue("Owner " + key));
        EXPECT_EQ(Get(hive::LocalMachine, key, "RegisteredOrganization"), SzValue("Org " + key));
        // Only the 95 family dates it.
        EXPECT_EQ(DateOf(308), key == kVersion ? "1/2/2008" : "3/5/2007");
    }
}

TEST_F(RootConformance, SwitcherStoresOnlyNumbersFromItsLists) {
    registry_.DeleteValueAt(hive::CurrentUser, kDesktop.c_str(), "CoolSwitchColumns");
    Put(hive::CurrentUser, kDesktop, "CoolSwitchRows", "150");
    Show(309, PageId::ComboCheckPage);
    EXPECT_EQ(pages_.ComboGetCurSel(page_, ctl::Combo1), 0) << "nothing stored shows 0";
    EXPECT_EQ(pages_.ComboGetCurSel(page_, ctl::Combo2), -1) << "150 is past the list";
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "CoolSwitch"), SzValue("1"));
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "CoolSwitchColumns"), SzValue("0"));
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "CoolSwitchRows"), SzValue("150"));

    Put(hive::CurrentUser, kDesktop, "CoolSwitchColumns", "7");
    Show(309, PageId::ComboCheckPage);
    EXPECT_EQ(pages_.ComboGetCurSel(page_, ctl::Combo1), 7);
    Type(ctl::Combo1, "abc");
    pages_.ComboSetCurSel(page_, ctl::Combo2, 3);
    core_.OnApply();
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "CoolSwitchColumns"), SzValue("7")) << "typed";
    EXPECT_EQ(Get(hive::CurrentUser, kDesktop, "CoolSwitchRows"), SzValue("3"));
}

}  // namespace
}  // namespace tallowick
