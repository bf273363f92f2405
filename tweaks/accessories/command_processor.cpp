// The Command Processor group: settings of the Windows command interpreter.
//
// Most tweaks are declarations. Two shapes are written by hand: the folder menu entry (2),
// whose checkbox switches a key with a subkey and whose command line depends on the
// Windows family, and the completion keys (8, 10), whose pages carry one combo per scope
// and whose first choice deletes the value.
#include <cstdint>
#include <string>

#include "engine/os_gate.h"
#include "engine/registry_conventions.h"
#include "engine/tweak_engine.h"
#include "model/language.h"
#include "platform/page_layouts.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

constexpr const char* kProcessorKey = "Software\\Microsoft\\Command Processor";

// --- 2: "Command Prompt" on every folder's context menu ---------------------------

constexpr TweakId kFolderPromptTweak = 2;
constexpr const char* kShellKey = "Directory\\shell";
constexpr const char* kVerbKey = "Command";
constexpr const char* kVerbPath = "Directory\\shell\\Command";
constexpr const char* kVerbCommandKey = "command";

// The interpreter the menu entry starts. Later NT versions (Vista is 6.0) are none of
// the named ones but still ship cmd.exe; everything else is taken for the 95 family.
const char* PromptCommandLine(TweakContext& ctx) {
    const OsVersionInfo os(ctx.host);
    const bool nt = os.IsWinXP() || os.IsWinNT4() || os.IsWin2000() ||
                    ctx.host.WindowsVersion().platformId == kPlatformNt;
    return nt ? "cmd.exe /k cd %1" : "command.com /k cd %1";
}

// The default value of an open key as REG_SZ, counted without its terminator.
long SetDefaultText(Registry& registry, RegKey key, const std::string& text) {
    return registry.SetValue(key, "", regtype::Sz,
                             reinterpret_cast<const std::uint8_t*>(text.c_str()),
                             static_cast<std::uint32_t>(text.size()));
}

void ShowFolderPrompt(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::PathEditPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::Label1, ctl::Edit1});
    ctx.pages.SetText(page, ctl::MainCheck, "Enable Command Prompt menu option");
    ctx.pages.SetText(page, ctl::Label1, "Menu Label:");
    ctx.pages.SetText(page, ctl::Edit1, "");
    ctx.pages.SetCheck(page, ctl::MainCheck, false);
    if (auto label = ReadText(ctx.registry, hive::ClassesRoot, kVerbPath, "")) {
        ctx.pages.SetCheck(page, ctl::MainCheck, true);
        ctx.pages.SetText(page, ctl::Edit1, *label);
    }
}

void ApplyFolderPrompt(TweakContext& ctx) {
    constexpr PageId page = PageId::PathEditPage;
    if (!ctx.pages.IsChecked(page, ctl::MainCheck)) {
        // Removing the entry counts as a change even when there was none to remove.
        ctx.RecordDate();
        DeleteTreeAt(ctx.registry, hive::ClassesRoot, kVerbPath);
        return;
    }
    const std::string label = ctx.pages.GetText(page, ctl::Edit1);
    if (label.empty()) {
        ctx.pages.SetCheck(page, ctl::MainCheck, false);
        ShowAlert(ctx, kStringSetCommandPromptMenuName);
        return;
    }
    Registry& registry = ctx.registry;
    KeyHandle classes(registry);
    KeyHandle shell(registry);
    KeyHandle verb(registry);
    KeyHandle command(registry);
    if (registry.Connect(hive::ClassesRoot, classes.out()) != err::Success ||
        registry.OpenKey(classes.get(), kShellKey, access::AllAccess, shell.out()) !=
            err::Success ||
        registry.CreateKey(shell.get(), kVerbKey, verb.out()) != err::Success) {
        return;
    }
    if (SetDefaultText(registry, verb.get(), label) != err::Success)
        return;
    if (registry.CreateKey(verb.get(), kVerbCommandKey, command.out()) != err::Success)
        return;
    ctx.RecordDate();
    SetDefaultText(registry, command.get(), PromptCommandLine(ctx));
}

// --- 8 and 10: completion keys, one combo per scope -------------------------------

// Combo index to the control character stored; index 0 removes the value instead, and no
// selection (or any index past the table) stores 0xFFFFFFFF.
constexpr std::uint32_t kCompletionChars[] = {0, 0x08, 0x09, 0x04, 0x06};
constexpr const char* kCompletionNames[] = {"Not set", "Ctrl+H", "Tab", "Ctrl+D", "Ctrl+F"};
constexpr int kCompletionCount = 5;
constexpr std::uint32_t kNoCompletionChoice = 0xFFFFFFFF;

struct CompletionTweak {
    TweakId id;
    const char* value;
    const char* userLabel;
    const char* machineLabel;
    Gate gate;
};

// Written in this order: the user's setting first.
struct CompletionScope {
    RegKey hive;
    int combo;
};
constexpr CompletionScope kCompletionScopes[] = {
    {ScopeCurrentUser, ctl::Combo1},
    {ScopeAllUsers, ctl::Combo2},
};

// The item that stores `number`; -1 (no selection) for a number the table does not give.
int CompletionIndex(std::uint32_t number) {
    for (int i = 1; i < kCompletionCount; ++i) {
        if (kCompletionChars[i] == number)
            return i;
    }
    return -1;
}

void ShowCompletion(TweakContext& ctx, TweakId id, const CompletionTweak& tweak) {
    constexpr PageId page = PageId::ComboCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::Combo1, ctl::Label2, ctl::Combo2});
    ctx.pages.SetText(page, ctl::Label1, tweak.userLabel);
    ctx.pages.SetText(page, ctl::Label2, tweak.machineLabel);
    for (const CompletionScope& scope : kCompletionScopes) {
        ctx.pages.ComboReset(page, scope.combo);
        for (const char* name : kCompletionNames)
            ctx.pages.ComboAddString(page, scope.combo, name);
        if (auto number = ReadNumber(ctx.registry, scope.hive, kProcessorKey, tweak.value))
            ctx.pages.ComboSetCurSel(page, scope.combo, CompletionIndex(*number));
    }
}

void ApplyCompletion(TweakContext& ctx, const CompletionTweak& tweak) {
    constexpr PageId page = PageId::ComboCheckPage;
    if (!CheckGate(ctx, tweak.gate, false, page))
        return;
    ctx.RecordDate();
    for (const CompletionScope& scope : kCompletionScopes) {
        const int index = ctx.pages.ComboGetCurSel(page, scope.combo);
        const Location where{scope.hive, kProcessorKey, "", tweak.value};
        if (index == 0) {
            StoreData(ctx, where, Delete(), false);
        } else {
            const bool listed = index > 0 && index < kCompletionCount;
            StoreData(ctx, where, Dword(listed ? kCompletionChars[index] : kNoCompletionChoice),
                      false);
        }
    }
}

void Register(HandlerTable& table, const CompletionTweak& tweak) {
    table.Register(
        tweak.id, [tweak](TweakContext& ctx, TweakId id) { ShowCompletion(ctx, id, tweak); },
        [tweak](TweakContext& ctx) { ApplyCompletion(ctx, tweak); });
}

// --- The declared tweaks --------------------------------------------------------------

constexpr CheckTweak kAllowUncPaths{
    .id = 3,
    .caption = "Allow UNC Paths at the Command Prompt",
    .where = {hive::CurrentUser, kProcessorKey, "", "DisableUNCCheck"},
    .checked = Dword(1),
    .unchecked = Dword(0),
    .gate = gate::NtFamily,
    .flip = true,
    .date = DateAt::EachWrite,
};

// DefaultColor is a console attribute: background in the high nibble, text in the low
// one. The row's index is what is stored, so row n is attribute n: each text colour on
// black, named as the COLOR command names them. 0 leaves the console's own colours.
const ChoiceTweak kPromptColors{
    .id = 5,
    .control = ChoiceTweak::Control::List,
    .label = "",
    .column = "Text Color on Black Background",
    .choices = {"Console Default (no color set)", "Blue", "Green", "Aqua", "Red", "Purple",
                "Yellow", "White", "Gray", "Light Blue", "Light Green", "Light Aqua", "Light Red",
                "Light Purple", "Light Yellow", "Bright White"},
    .stored = {},
    .where = {hive::CurrentUser, kProcessorKey, "", "DefaultColor"},
    .gate = gate::NtFamily,
    .date = DateAt::First,
    .note = false,  // the ListPage has no note static
};

constexpr CheckTweak kDisableExtensions{
    .id = 6,
    .caption = "Disable Command Processor Extensions",
    .where = {hive::CurrentUser, kProcessorKey, "", "EnableExtensions"},
    .checked = Dword(0),
    .unchecked = Dword(1),
    .gate = gate::Win2000Xp,
    .flip = true,
    .date = DateAt::EachWrite,
};

// The policy's own meanings of 0, 1 and 2.
const ChoiceTweak kDisableCommandPrompt{
    .id = 7,
    .control = ChoiceTweak::Control::List,
    .label = "",
    .column = "Command Prompt and Batch Files",
    .choices = {"Allow the command prompt and batch files",
                "Disable the command prompt and batch files",
                "Disable the command prompt but allow batch files"},
    .stored = {},
    .where = {hive::CurrentUser, "Software\\Policies\\Microsoft\\Windows\\System",
              "Windows\\System", "DisableCMD"},
    .gate = gate::Win2000Xp,
    .date = DateAt::First,
    .note = false,  // the ListPage has no note static
};

constexpr CompletionTweak kCommandCompletion{
    .id = 8,
    .value = "CompletionChar",
    .userLabel = "Completion Key (Current User)",
    .machineLabel = "Completion Key (All Users)",
    .gate = gate::NtFamily,
};

constexpr CheckTweak kDelayedExpansion{
    .id = 9,
    .caption = "Enable Delayed Environment Variable Expansion",
    .where = {hive::CurrentUser, kProcessorKey, "", "DelayedExpansion"},
    .checked = Dword(1),
    .unchecked = Dword(0),
    .gate = gate::Win2000Xp,
    .flip = true,
    .date = DateAt::EachWrite,
};

// Passes on 2000 and XP only, yet its alert names NT as well.
constexpr CompletionTweak kDirectoryCompletion{
    .id = 10,
    .value = "PathCompletionChar",
    .userLabel = "Directory Completion Key (Current User)",
    .machineLabel = "Directory Completion Key (All Users)",
    .gate = WithAlert(gate::Win2000Xp, kStringOnlyNt2000Xp),
};

constexpr CheckTweak kQuickEdit{
    .id = 11,
    .caption = "Enable Quick Edit the Command Prompt",
    .where = {hive::CurrentUser, "Console", "", "QuickEdit"},
    .checked = Dword(1),
    .unchecked = Dword(0),
    .gate = gate::NtFamily,
    .flip = true,
    .date = DateAt::EachWrite,
};

const EditTweak kStartupCommand{
    .id = 12,
    .fields = {{"The Command or Program Path:",
                {hive::CurrentUser, kProcessorKey, "", "AutoRun"},
                Store::Text,
                true}},
    .gate = WithAlert(gate::Win2000Xp, kStringOnlyNt2000Xp),
    .date = DateAt::First,
    .whenEmpty = kDeleteWhenEmpty,
};

}  // namespace

void RegisterCommandProcessor(HandlerTable& table) {
    table.Register(kFolderPromptTweak, ShowFolderPrompt, ApplyFolderPrompt);
    Register(table, kAllowUncPaths);
    Register(table, kPromptColors);
    Register(table, kDisableExtensions);
    Register(table, kDisableCommandPrompt);
    Register(table, kCommandCompletion);
    Register(table, kDelayedExpansion);
    Register(table, kDirectoryCompletion);
    Register(table, kQuickEdit);
    Register(table, kStartupCommand);
}

}  // namespace tallowick
