// A returning user's machine for tweak tests: the application core on the in-memory
// seams, started once on an earlier day so that a date recorded today shows.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "engine/page_behaviour.h"
#include "platform/memory/fake_host.h"
#include "platform/memory/memory_pages.h"
#include "platform/memory/memory_registry.h"
#include "platform/page_layouts.h"
#include "shell/app_core.h"
#include "support/registry_test_support.h"
#include "support/returning_user.h"
#include "tweaks/categories.h"

namespace tallowick {

inline constexpr OsVersion kWin95{4, 0, 950, 1};
inline constexpr OsVersion kWin98{4, 10, 1998, 1};
inline constexpr OsVersion kWinMe{4, 90, 3000, 1};
inline constexpr OsVersion kWinNT4{4, 0, 1381, 2};
inline constexpr OsVersion kWin2000{5, 0, 2195, 2};
inline constexpr OsVersion kWinXP{5, 1, 2600, 2};
inline constexpr OsVersion kWinVista{6, 0, 6000, 2};

class TweakTest : public ::testing::Test {
  protected:
    static constexpr const char* kEarlier = "6/19/2006";
    static constexpr const char* kToday = "3/5/2007";

    TweakTest() { StartAsReturningUser(registry, host, core, RegisterAllCategories); }

    // Adds `.reg` text (header optional) to the registry.
    void Load(const std::string& text) {
        std::string error;
        const bool withHeader = text.rfind("REGEDIT4", 0) == 0 || text.rfind("Windows", 0) == 0;
        ASSERT_TRUE(registry.LoadRegText(withHeader ? text : "REGEDIT4\n" + text, &error)) << error;
    }
    // Selects the node and returns what the user sees.
    std::string Show(TweakId id) {
        core.OnSelect(id);
        return pages.Describe();
    }
    void Apply() {
        registry.ClearCalls();
        core.OnApply();
    }
    // Everything under one key, as `.reg` text, for comparing with an expected registry.
    std::string Export(RegKey hiveKey, const std::string& path) {
        return registry.ExportRegText(hiveKey, path);
    }
    std::string DateOf(TweakId id) { return core.Dates().LookUp(core.Catalogue()[id].name); }
    bool KeyCreated() const {
        for (const RegCall& call : registry.Calls()) {
            if (call.op == RegOp::Create && call.result == err::Success)
                return true;
        }
        return false;
    }
    // The value at root\path, or nullopt; without a root, in the hive the category mostly
    // writes.
    std::optional<RegValue> Get(const std::string& path, const char* name, RegKey root = 0) {
        return ReadValue(registry, root ? root : usualHive, path, name);
    }
    bool Checked(int box = ctl::MainCheck) { return pages.IsChecked(PageId::MultiCheckPage, box); }
    void Check(bool on, int box = ctl::MainCheck) {
        pages.SetCheck(PageId::MultiCheckPage, box, on);
    }
    void Type(const std::string& text) { pages.SetText(PageId::PathEditPage, ctl::Edit1, text); }
    void Type(int edit, const std::string& text) {
        pages.SetText(PageId::PathEditPage, edit, text);
    }
    std::string Edit(int edit) { return pages.GetText(PageId::PathEditPage, edit); }
    int Selected(int combo = ctl::Combo1) {
        return pages.ComboGetCurSel(PageId::ComboCheckPage, combo);
    }
    void Select(int index, int combo = ctl::Combo1) {
        pages.ComboSetCurSel(PageId::ComboCheckPage, combo, index);
    }
    void Tick(int row, bool on) {
        pages.ListSetCheckState(PageId::ValueListPage, ctl::ValueList, row, on);
    }
    // Exactly one alert was shown, with this text, as every handler shows them; then forgets it.
    void ExpectAlert(const std::string& text) {
        ASSERT_EQ(host.messageBoxes.size(), 1u);
        EXPECT_EQ(host.messageBoxes[0].text, text);
        EXPECT_EQ(host.messageBoxes[0].caption, "A L E R T");
        EXPECT_EQ(host.messageBoxes[0].style, mb::IconHand);
        EXPECT_EQ(host.messageBoxes[0].owner, 0u);
        host.messageBoxes.clear();
    }

    RegKey usualHive = hive::LocalMachine;
    MemoryRegistry registry;
    FakeHost host;
    MemoryPages pages{PageLayouts()};
    AppCore core{registry, host, pages};
};

}  // namespace tallowick
