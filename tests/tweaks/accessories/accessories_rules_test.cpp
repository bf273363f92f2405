// Two rules every Accessories tweak follows, checked for each of them: the Windows versions
// its Apply runs on, and what its Apply does when none of its keys exist.
#include <iterator>
#include <string>
#include <vector>

#include "tweaks/registry_changes.h"
#include "tweaks/tweak_test_support.h"

namespace tallowick {
namespace {

// The order of the marks in Rule::runsOn.
const OsVersion kVersions[] = {kWin95, kWin98, kWinMe, kWinNT4, kWin2000, kWinXP, kWinVista};
const char* const kVersionNames[] = {"95", "98", "Me", "NT4", "2000", "XP", "Vista"};

constexpr const char* kAll = "xxxxxxx";
constexpr const char* kNt = "---xxx-";
constexpr const char* k2000Xp = "----xx-";
constexpr const char* k2000MeXp = "--x-xx-";
constexpr const char* kXp = "-----x-";

constexpr const char* kNtAlert = "These Tweak active only on Windows NT/2000/XP";
constexpr const char* k2000XpAlert = "These Tweak active only on Windows 2000/XP";
constexpr const char* k2000MeXpAlert = "These Tweak active only on Windows 2000/Me/XP";
constexpr const char* kXpAlert = "These Tweak active only on Windows XP";

constexpr bool kFlips = true;    // a refused Apply puts the main checkbox back
constexpr bool kCreates = true;  // writes even when none of its keys exist
constexpr bool kDated = true;    // records the date then, written or not

struct Rule {
    std::vector<TweakId> ids;
    const char* runsOn;  // one mark per kVersions entry
    const char* alert;   // shown on the other versions
    bool flips;
    bool createsKeys;
    bool datedWhenMissing;
};

const Rule kRules[] = {
    {{2}, kAll, "", !kFlips, !kCreates, !kDated},
    {{26, 31, 45}, kAll, "", !kFlips, kCreates, kDated},
    {{28, 39, 41, 46, 49, 50, 293}, kAll, "", !kFlips, !kCreates, kDated},
    {{3, 11, 14, 15, 16, 17, 18, 19}, kNt, kNtAlert, kFlips, !kCreates, !kDated},
    {{5, 8, 20, 21, 22, 23, 24}, kNt, kNtAlert, !kFlips, !kCreates, kDated},
    {{6, 9, 40}, k2000Xp, k2000XpAlert, kFlips, !kCreates, !kDated},
    {{47, 48}, k2000Xp, k2000XpAlert, kFlips, !kCreates, kDated},
    {{7}, k2000Xp, k2000XpAlert, !kFlips, !kCreates, kDated},
    {{10, 12}, k2000Xp, kNtAlert, !kFlips, !kCreates, kDated},  // the alert names NT as well
    {{27}, k2000MeXp, k2000MeXpAlert, !kFlips, kCreates, kDated},
    {{32, 33, 34, 35, 36, 37}, k2000MeXp, k2000MeXpAlert, !kFlips, !kCreates, !kDated},
    {{43}, kXp, kXpAlert, kFlips, !kCreates, kDated},
    {{44}, kXp, kXpAlert, !kFlips, !kCreates, kDated},
};

// The keys the tweaks open, so that every Apply that runs writes something.
constexpr const char* kOpenedKeys = R"(
[HKEY_CURRENT_USER\Software\Microsoft\Command Processor]
[HKEY_LOCAL_MACHINE\Software\Microsoft\Command Processor]
[HKEY_CURRENT_USER\Console]
[HKEY_CURRENT_USER\Software\Microsoft\Notepad]
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Policies]
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Applets\Regedit]
[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Applets]
[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\Group Policy Objects\LocalMachine]
[HKEY_CURRENT_USER\Software\Policies\Microsoft\Windows]
[HKEY_LOCAL_MACHINE\Software\Policies\Microsoft\Windows\Installer]
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\DrWatson]
[HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft\Windows NT\CurrentVersion\AeDebug]
[HKEY_LOCAL_MACHINE\SYSTEM\CurrentControlSet\Control\Session Manager\Environment]
[HKEY_CLASSES_ROOT\Directory\shell]
[HKEY_CLASSES_ROOT\AudioCD\Shell\Play\Command]
)";

// What the tweaks that create their keys leave behind.
constexpr const char* kCreatedKeys = R"(
[-HKEY_CLASSES_ROOT\regfile]
[-HKEY_CLASSES_ROOT\shell]
[-HKEY_CURRENT_USER\SOFTWARE\Microsoft]
[-HKEY_LOCAL_MACHINE\SOFTWARE\Microsoft]
)";

class AccessoriesRulesTest : public TweakTest {
  protected:
    PageId Shown() const {
        for (PageId page : {PageId::MultiCheckPage, PageId::ListPage, PageId::ComboCheckPage}) {
            if (pages.IsPageVisible(page))
                return page;
        }
        return PageId::PathEditPage;
    }
    // What a user might change before Apply: both checkboxes toggled, the second row or item
    // chosen, a number typed. Returns whether the main checkbox was ticked before.
    bool ChangeShownPage() {
        const PageId page = Shown();
        const bool ticked = pages.IsChecked(page, ctl::MainCheck);
        pages.SetCheck(page, ctl::MainCheck, !ticked);
        if (page == PageId::MultiCheckPage)
            Check(!Checked(ctl::SecondCheck), ctl::SecondCheck);
        if (page == PageId::ListPage)
            pages.ListSetSelected(page, ctl::List, 1);
        if (page == PageId::ComboCheckPage)
            pages.ComboSetCurSel(page, ctl::Combo1, 1);
        if (page == PageId::PathEditPage)
            Type("7");
        return ticked;
    }
};

TEST_F(AccessoriesRulesTest, OtherVersionsAreRefusedWithTheAlertAndNothingWrittenOrDated) {
    Load(kOpenedKeys);
    for (const Rule& rule : kRules) {
        for (TweakId id : rule.ids) {
            // The refusals first, while no date has been recorded.
            for (bool runs : {false, true}) {
                for (std::size_t v = 0; v < std::size(kVersions); ++v) {
                    if ((rule.runsOn[v] == 'x') != runs)
                        continue;
                    SCOPED_TRACE(std::to_string(id) + " on " + kVersionNames[v]);
                    host.version = kVersions[v];
                    Show(id);
                    const bool ticked = ChangeShownPage();
                    const bool secondTicked = Checked(ctl::SecondCheck);
                    Apply();
                    if (runs) {
                        EXPECT_TRUE(host.messageBoxes.empty());
                        EXPECT_FALSE(Changes(registry).empty());
                        EXPECT_EQ(DateOf(id), kToday);
                        continue;
                    }
                    ExpectAlert(rule.alert);
                    EXPECT_TRUE(Changes(registry).empty());
                    EXPECT_EQ(DateOf(id), kEarlier);
                    EXPECT_EQ(pages.IsChecked(Shown(), ctl::MainCheck),
                              rule.flips ? ticked : !ticked);
                    EXPECT_EQ(Checked(ctl::SecondCheck), secondTicked);  // never put back
                }
            }
        }
    }
}

TEST_F(AccessoriesRulesTest, MissingKeysAreCreatedOnlyWhereTheTweakSaysAndNothingIsReported) {
    for (const Rule& rule : kRules) {
        for (TweakId id : rule.ids) {
            SCOPED_TRACE(id);
            const std::string before = registry.SaveRegText();
            Show(id);
            ChangeShownPage();
            Apply();
            EXPECT_EQ(registry.SaveRegText() != before, rule.createsKeys);
            EXPECT_EQ(DateOf(id), rule.datedWhenMissing ? kToday : kEarlier);
            EXPECT_TRUE(host.messageBoxes.empty());
            Load(kCreatedKeys);  // so that the next tweak finds nothing either
        }
    }
}

}  // namespace
}  // namespace tallowick
