// The System category's own tweaks: COM downloads, the power scheme, the DLL search
// order, the update server, the Microsoft VM's garbage collection, 16-bit programs, popup
// errors, the driver update wizard, unloading DLLs, Computer Management, paging of the
// kernel, automatic updates and the Run dialog's memory space option.
//
// Written by hand: the power scheme (257), which Windows keeps as decimal text in each
// hive; the update server (259), which is only shown; the garbage collection (261),
// refused at its limit; the popup errors (263), a list of two columns that is not loaded.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/declarations.h"
#include "engine/page_behaviour.h"
#include "engine/registry_conventions.h"
#include "model/language.h"
#include "platform/host.h"
#include "platform/page_layouts.h"
#include "tweaks/system/system.h"

namespace tallowick {

using systemtweaks::Check;
using systemtweaks::Policy;

namespace {

constexpr Target kPolicies{hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", ""};

// --- 257: the power scheme ------------------------------------------------------------

constexpr Target kUserPower{hive::CurrentUser, "Control Panel\\PowerCfg", "CurrentPowerPolicy"};
constexpr Target kDefaultPower{hive::Users, ".DEFAULT\\Control Panel\\PowerCfg",
                               "CurrentPowerPolicy"};
const std::vector<std::string> kSchemes = {"Home/Office desktop",
                                           "Portable/Laptop computer",
                                           "Monitor on for presentations",
                                           "Network computer (no Wake-on-LAN)",
                                           "Optimized for high performance",
                                           "Optimized for power saving"};

// Windows keeps the scheme as decimal text; a number kept as such is read as one.
std::optional<std::uint32_t> SchemeOf(const RegValue& stored) {
    if (stored.type == regtype::Sz || stored.type == regtype::ExpandSz)
        return static_cast<std::uint32_t>(AtoiLikeC(TextFromBytes(stored.data)));
    if (stored.data.size() >= 4)
        return NumberFromBytes(stored.data);
    return std::nullopt;
}

void ShowPowerScheme(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::ComboCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::Combo1}, kLowerRestartNote);
    ctx.pages.SetText(page, ctl::Label1, "Power Management Configuration Mode");
    ctx.pages.ComboReset(page, ctl::Combo1);
    ctx.pages.ComboAddStrings(page, ctl::Combo1, kSchemes);
    ctx.pages.ComboSetCurSel(page, ctl::Combo1, 0);
    const auto stored =
        ReadRegValue(ctx.registry, kUserPower.hive, kUserPower.key, kUserPower.value);
    if (const auto scheme = stored ? SchemeOf(*stored) : std::nullopt) {
        ctx.pages.ComboSetCurSel(page, ctl::Combo1,
                                 *scheme < kSchemes.size() ? static_cast<int>(*scheme) : -1);
    }
}

void ApplyPowerScheme(TweakContext& ctx) {
    ctx.RecordDate();
    const int scheme = ctx.pages.ComboGetCurSel(PageId::ComboCheckPage, ctl::Combo1);
    if (scheme < 0)
        return;
    // Each hive keeps the type it has; text where there is none yet, as Windows writes it.
    for (const Target& at : {kUserPower, kDefaultPower}) {
        const auto stored = ReadRegValue(ctx.registry, at.hive, at.key, at.value);
        const bool number = stored && stored->type == regtype::Dword;
        StoreData(ctx, at,
                  number ? Dword(static_cast<std::uint32_t>(scheme)) : Text(FormatInt(scheme)),
                  false);
    }
}

// --- 259: the update server, shown only ------------------------------------------------

constexpr Target kWindowsUpdate{
    hive::LocalMachine, "Software\\Policies\\Microsoft\\Windows\\WindowsUpdate", "WUStatusServer"};

void ShowUpdateServer(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::PathEditPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::Label2, ctl::Edit2}, kLowerRestartNote);
    // Nothing here can be applied.
    ctx.pages.ShowControl(PageId::MainDialog, kApplyChangesButton, false);
    ctx.pages.SetText(page, ctl::MainCheck, "Use Windows Software Update Server.");
    ctx.pages.SetText(page, ctl::Label2, "The name of the custom update server:");
    const Target& at = kWindowsUpdate;
    const auto server = ReadText(ctx.registry, at.hive, at.key, at.value);
    ctx.pages.SetText(page, ctl::Edit2, server.value_or(""));
    ctx.pages.EnableControl(page, ctl::Edit2, server.has_value());
    const std::string au = std::string(at.key) + "\\AU";
    ctx.pages.SetCheck(page, ctl::MainCheck,
                       ReadRegValue(ctx.registry, at.hive, au, "UseWUServer").has_value());
}

// --- 261: the Microsoft VM's garbage collection ---------------------------------------

constexpr Target kGeneration0{hive::LocalMachine, "SOFTWARE\\Microsoft\\Java VM", "Generation0Size",
                              kCreateAll};
// The largest size the VM takes is one below.
constexpr int kGenerationLimit = 4194304;

void ShowGarbageCollection(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::PathEditPage;
    ShowTweakPage(ctx, id, page, {ctl::Label2, ctl::Edit2}, kLowerRestartNote);
    ctx.pages.SetText(page, ctl::Description,
                      ctx.pages.GetText(page, ctl::Description) +
                          "\n\n\tOnly functions with Microsoft VM build 3229 or greater.");
    ctx.pages.SetText(page, ctl::Label2, "Control Microsoft VM Garbage Collection:");
    const Target& at = kGeneration0;
    const std::uint32_t size = ReadNumber(ctx.registry, at.hive, at.key, at.value).value_or(0);
    ctx.pages.SetText(page, ctl::Edit2, FormatInt(static_cast<int>(size)));
}

// No gate and no date; the page keeps a refused number for the user to correct.
void ApplyGarbageCollection(TweakContext& ctx) {
    const int size = AtoiLikeC(ctx.pages.GetText(PageId::PathEditPage, ctl::Edit2));
    if (size >= kGenerationLimit) {
        ctx.host.ShowMessageBox(0, ctx.language.LocalisedString(kStringBelowGenerationLimit),
                                kProgramName, mb::Ok);
        return;
    }
    StoreData(ctx, kGeneration0, Dword(static_cast<std::uint32_t>(size)), false);
}

// --- 263: popup error messages ---------------------------------------------------------

struct ErrorMode {
    const char* value;
    const char* description;
};
constexpr ErrorMode kErrorModes[] = {
    {"1", "All errors appear in popups (Default)"},
    {"2", "System errors disabled, application errors still using popups"},
    {"3", "Neither system or application errors use popups"}};

void ShowErrorModes(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::ListPage;
    ShowTweakPage(ctx, id, page, {ctl::List}, nullptr);
    ClearList(ctx.pages, page, ctl::List);
    ctx.pages.ListInsertColumn(page, ctl::List, 0, "Value", 109, ColumnAlign::Left);
    ctx.pages.ListInsertColumn(page, ctl::List, 1, "Description", 290, ColumnAlign::Left);
    for (int row = 0; row < static_cast<int>(std::size(kErrorModes)); ++row) {
        ctx.pages.ListInsertItem(page, ctl::List, row, kErrorModes[row].value);
        ctx.pages.ListSetItemText(page, ctl::List, row, 1, kErrorModes[row].description);
    }
}

// The mode is the row's index; nothing chosen writes nothing.
void ApplyErrorMode(TweakContext& ctx) {
    ctx.RecordDate();
    const int row = ctx.pages.ListGetSelected(PageId::ListPage, ctl::List);
    if (row < 0)
        return;
    StoreData(ctx, {hive::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Windows", "ErrorMode"},
              Dword(static_cast<std::uint32_t>(row)), false);
}

// --- 270: automatic updates -------------------------------------------------------------

constexpr Target kAutomaticUpdates{hive::LocalMachine,
                                   "Software\\Policies\\Microsoft\\Windows\\WindowsUpdate\\AU", "",
                                   kCreateAll};

// "1-hour " to "24-hour ", storing one less than the hour before it: the first item
// stores -1.
std::vector<Item> InstallTimes() {
    std::vector<Item> items;
    for (int hour = 1; hour <= 24; ++hour)
        items.push_back({FormatInt(hour) + "-hour ", Dword(static_cast<std::uint32_t>(hour - 2))});
    return items;
}

Choice Update(int combo, const char* label, std::vector<Item> items, const char* value) {
    return Choice{.control = combo,
                  .label = label,
                  .items = std::move(items),
                  .at = {kAutomaticUpdates.Named(value)},
                  .none = DeleteValue()};
}

Declared AutomaticUpdates() {
    Choice mode = Update(ctl::Combo4, "Automatic Updates Mode:", IndexItems({"Enable", "Disable"}),
                         "NoAutoUpdate");
    mode.preselect = 0;
    return Declared{.id = 270,
                    .page = PageId::EditComboPage,
                    .fields = {mode,
                               Update(ctl::Combo1, "Automatic Updates Options:",
                                      {{"Notify for download and notify for install", Dword(2)},
                                       {"Auto download and notify for install", Dword(3)},
                                       {"Auto download and schedule the install", Dword(4)}},
                                      "AUOptions"),
                               Update(ctl::Combo2, "Scheduled Install Day:", NumberItems(0, 7),
                                      "ScheduledInstallDay"),
                               Update(ctl::Combo3, "Scheduled Install Time:", InstallTimes(),
                                      "ScheduledInstallTime")},
                    .gate = gate::Win2000Xp,
                    .note = kLowerRestartNote};
}

}  // namespace

void RegisterSystemOwn(HandlerTable& table) {
    Register(table, Declared{.id = 256,
                             .fields = BothScopes(
                                 "Enable Automatic Download of COM Components (Current User).",
                                 "Enable Automatic Download of COM Components (All Users).",
                                 {hive::CurrentUser,
                                  "Software\\Policies\\Microsoft\\Windows\\App Management",
                                  "COMClassStore", kCreateAll},
                                 Dword(1), Dword(0)),
                             .gate = gate::Win2000Xp,
                             .note = kLowerRestartNote});
    table.Register(257, ShowPowerScheme, ApplyPowerScheme);
    // Windows reads the setting at start-up; no selection, for a missing value, removes it.
    Register(
        table,
        Declared{
            .id = 258,
            .page = PageId::ComboCheckPage,
            .fields = {Choice{
                .label = "DLL search order:",
                .items = {{"The current folder before the system folders", Dword(0)},
                          {"The system folders before the current folder", Dword(1)}},
                .at = {{hive::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\Session Manager",
                        "SafeDllSearchMode"}},
                .none = DeleteValue()}},
            .gate = gate::Win2000Xp,
            .note = kWindowsNote});
    table.Register(259, ShowUpdateServer);
    table.Register(261, ShowGarbageCollection, ApplyGarbageCollection);
    // Windows reads the answer in any letter case.
    Register(table,
             Declared{.id = 262,
                      .fields = {Box{
                          .caption = "Run 16-bit programs in a separate memory space.",
                          .at = {{hive::LocalMachine, "SYSTEM\\CurrentControlSet\\Control\\WOW",
                                  "DefaultSeparateVDM"}},
                          .on = Text("Yes"),
                          .off = Text("No"),
                          .match = Match::IgnoreCase}},
                      .gate = gate::Win2000Xp,
                      .note = kLowerRestartNote});
    table.Register(263, ShowErrorModes, ApplyErrorMode);
    Register(table, Policy(265, "Disable update device driver wizard .",
                           kPolicies.Named("NoDevMgrUpdate"), gate::Win98MeWin2000Xp));
    // The key's default value: "1" unloads, an empty text does not.
    Register(
        table,
        Declared{.id = 266,
                 .fields = {Box{.caption = "Unload DLLs from memory when no program uses them.",
                                .at = {{hive::LocalMachine,
                                        "Software\\Microsoft\\Windows\\CurrentVersion\\"
                                        "Explorer\\AlwaysUnloadDLL",
                                        "", kCreateAll}},
                                .on = Text("1"),
                                .off = Text("")}},
                 .note = kLowerRestartNote});
    Register(table, Policy(267, "Hide Computer Management Option .",
                           kPolicies.Named("NoManageMyComputerVerb"), gate::Win2000Xp));
    Register(table, Check(268, "Disable Paging Executive .",
                          {hive::LocalMachine,
                           "SYSTEM\\CurrentControlSet\\Control\\Session Manager\\Memory Management",
                           "DisablePagingExecutive"},
                          gate::NtFamily));
    Register(table, AutomaticUpdates());
    Register(table,
             Declared{.id = 272,
                      .fields = BothScopes(
                          "Show the Run in Separate Memory Space option (Current User).",
                          "Show the Run in Separate Memory Space option (All Users).",
                          {hive::CurrentUser,
                           "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                           "MemCheckBoxInRunDlg", kCreateAll},
                          Dword(1), DeleteValue()),
                      .gate = gate::Win2000Xp,
                      .note = kLowerRestartNote});
}

}  // namespace tallowick
