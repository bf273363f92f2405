// The Command Processor group: settings of the Windows command interpreter.
//
// Most tweaks are declarations. The folder menu entry (2) is written by hand: its checkbox
// switches a key with a subkey, its empty label is refused, and its command line depends
// on the Windows family.
#include <cstdint>
#include <string>

#include "engine/declarations.h"
#include "engine/os_gate.h"
#include "engine/registry_conventions.h"
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

// --- The declared tweaks --------------------------------------------------------------

// A checkbox of the processor's own key in HKCU: refused versions put the box back, and
// the date goes with the write, so a machine without the key records nothing.
Declared ProcessorCheck(TweakId id, const char* caption, Target at, Data on, Data off, Gate gate) {
    return Declared{.id = id,
                    .fields = {Box{.caption = caption, .at = {at}, .on = on, .off = off}},
                    .gate = gate,
                    .refusal = Refusal::FlipMainCheck,
                    .date = DateAt::EachWrite};
}

// The completion keys: one combo per scope, HKCU written first. The first item removes the
// value; no selection stores 0xFFFFFFFF, which the interpreter takes as no key; a stored
// character no item names shows no selection.
Declared Completion(TweakId id, const char* value, const char* userLabel, const char* machineLabel,
                    Gate gate) {
    const std::vector<Item> keys = {{"Not set", DeleteValue()},
                                    {"Ctrl+H", Dword(0x08)},
                                    {"Tab", Dword(0x09)},
                                    {"Ctrl+D", Dword(0x04)},
                                    {"Ctrl+F", Dword(0x06)}};
    constexpr Target kProcessor{hive::CurrentUser, kProcessorKey, ""};
    const Target user = kProcessor.Named(value);
    return Declared{.id = id,
                    .page = PageId::ComboCheckPage,
                    .fields = {Choice{.control = ctl::Combo1,
                                      .label = userLabel,
                                      .items = keys,
                                      .at = {user},
                                      .none = Dword(0xFFFFFFFF)},
                               Choice{.control = ctl::Combo2,
                                      .label = machineLabel,
                                      .items = keys,
                                      .at = {user.Under(hive::LocalMachine)},
                                      .none = Dword(0xFFFFFFFF)}},
                    .gate = gate};
}

// DefaultColor is a console attribute: background in the high nibble, text in the low
// one. The row's index is what is stored, so row n is attribute n: each text colour on
// black, named as the COLOR command names them. 0 leaves the console's own colours.
Declared PromptColors() {
    return Declared{.id = 5,
                    .page = PageId::ListPage,
                    .fields = {Choice{
                        .control = ctl::List,
                        .label = "Text Color on Black Background",
                        .items = IndexItems({"Console Default (no color set)", "Blue", "Green",
                                             "Aqua", "Red", "Purple", "Yellow", "White", "Gray",
                                             "Light Blue", "Light Green", "Light Aqua", "Light Red",
                                             "Light Purple", "Light Yellow", "Bright White"}),
                        .at = {{hive::CurrentUser, kProcessorKey, "DefaultColor"}}}},
                    .gate = gate::NtFamily};
}

// The policy's own meanings of 0, 1 and 2. Only the policy's last key is created.
Declared DisableCommandPrompt() {
    return Declared{.id = 7,
                    .page = PageId::ListPage,
                    .fields = {Choice{
                        .control = ctl::List,
                        .label = "Command Prompt and Batch Files",
                        .items = IndexItems({"Allow the command prompt and batch files",
                                             "Disable the command prompt and batch files",
                                             "Disable the command prompt but allow batch files"}),
                        .at = {{hive::CurrentUser, "Software\\Policies\\Microsoft\\Windows\\System",
                                "DisableCMD", CreateTail(2)}}}},
                    .gate = gate::Win2000Xp};
}

// The command run whenever the interpreter starts; an empty edit removes it.
Declared StartupCommand() {
    return Declared{.id = 12,
                    .page = PageId::PathEditPage,
                    .fields = {EditRow{.label = "The Command or Program Path:",
                                       .at = {{hive::CurrentUser, kProcessorKey, "AutoRun"}},
                                       .empty = kDeleteEmpty}},
                    // Passes on 2000 and XP only, yet its alert names NT as well.
                    .gate = WithAlert(gate::Win2000Xp, kStringOnlyNt2000Xp)};
}

}  // namespace

void RegisterCommandProcessor(HandlerTable& table) {
    table.Register(kFolderPromptTweak, ShowFolderPrompt, ApplyFolderPrompt);
    Register(table, ProcessorCheck(3, "Allow UNC Paths at the Command Prompt",
                                   {hive::CurrentUser, kProcessorKey, "DisableUNCCheck"}, Dword(1),
                                   Dword(0), gate::NtFamily));
    Register(table, PromptColors());
    Register(table, ProcessorCheck(6, "Disable Command Processor Extensions",
                                   {hive::CurrentUser, kProcessorKey, "EnableExtensions"}, Dword(0),
                                   Dword(1), gate::Win2000Xp));
    Register(table, DisableCommandPrompt());
    Register(table, Completion(8, "CompletionChar", "Completion Key (Current User)",
                               "Completion Key (All Users)", gate::NtFamily));
    Register(table, ProcessorCheck(9, "Enable Delayed Environment Variable Expansion",
                                   {hive::CurrentUser, kProcessorKey, "DelayedExpansion"}, Dword(1),
                                   Dword(0), gate::Win2000Xp));
    // Passes on 2000 and XP only, yet its alert names NT as well.
    Register(table, Completion(10, "PathCompletionChar", "Directory Completion Key (Current User)",
                               "Directory Completion Key (All Users)",
                               WithAlert(gate::Win2000Xp, kStringOnlyNt2000Xp)));
    Register(table, ProcessorCheck(11, "Enable Quick Edit the Command Prompt",
                                   {hive::CurrentUser, "Console", "QuickEdit"}, Dword(1), Dword(0),
                                   gate::NtFamily));
    Register(table, StartupCommand());
}

}  // namespace tallowick
