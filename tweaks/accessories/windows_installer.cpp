// The "Windows Installer" group. The installer's policies are written twice: under HKLM,
// where Windows Installer reads them, and below the local Group Policy object's mirror in
// the user's hive, which keeps a copy of the machine policies set through it.
#include <cstdint>

#include "engine/declarations.h"
#include "engine/page_behaviour.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"
#include "tweaks/accessories/accessories.h"

namespace tallowick {

namespace {

constexpr const char* kInstallerPolicies = "Software\\Policies\\Microsoft\\Windows\\Installer";
// HKCU: the mirror key, then the installer policy path below it.
constexpr const char* kPolicyMirror =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Group Policy Objects\\LocalMachine";
constexpr const char* kMirroredInstallerPolicies =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Group Policy Objects\\LocalMachine"
    "\\Software\\Policies\\Microsoft\\Windows\\Installer";

// The key under HKLM is only opened: without it nothing is written there. Below the
// mirror the whole installer policy path is created.
constexpr Target kMachinePolicy{hive::LocalMachine, kInstallerPolicies, ""};
constexpr Target kMirroredPolicy{hive::CurrentUser, kMirroredInstallerPolicies, "", CreateTail(5)};
constexpr Target MachinePolicy(const char* value) {
    return kMachinePolicy.Named(value);
}
constexpr Target MirroredPolicy(const char* value) {
    return kMirroredPolicy.Named(value);
}

// True only when the key opens and has neither subkeys nor values; a key that cannot be
// enumerated counts as in use.
bool IsEmptyKey(Registry& registry, RegKey hiveKey, const std::string& path) {
    KeyHandle connected(registry);
    if (registry.Connect(hiveKey, connected.out()) != err::Success)
        return false;
    KeyHandle key(registry);
    if (registry.OpenKey(connected.get(), path.c_str(), access::Read, key.out()) != err::Success)
        return false;
    char name[256];
    if (registry.EnumKey(key.get(), 0, name, sizeof name) != err::NoMoreItems)
        return false;
    std::uint32_t nameLength = sizeof name;
    return registry.EnumValue(key.get(), 0, name, &nameLength, nullptr, nullptr, nullptr) ==
           err::NoMoreItems;
}

// Takes one policy value out of the mirror, then removes the keys of its path that are
// left empty, leaf first. A key that still holds anything is kept, and so are the keys
// above it: RegDeleteKeyA would take a key's values with it (and on Windows 9x its
// subkeys too), and other policies may live there.
void RemoveMirroredPolicy(TweakContext& ctx, const char* value) {
    DeleteValueOfKey(ctx.registry, hive::CurrentUser, kMirroredInstallerPolicies, value);
    const char* const chain[] = {"Software", "Policies", "Microsoft", "Windows", "Installer"};
    for (int leaf = 4; leaf >= 0; --leaf) {
        std::string parent = kPolicyMirror;
        for (int i = 0; i < leaf; ++i)
            parent += std::string("\\") + chain[i];
        const std::string key = parent + "\\" + chain[leaf];
        if (IsEmptyKey(ctx.registry, hive::CurrentUser, key))
            DeleteSubkeyOf(ctx.registry, hive::CurrentUser, parent, chain[leaf]);
    }
}

// --- 39: Disable Windows Installer. Each item stores its index as DisableMSI.

const char* const kDisableMsiChoices[] = {
    "Never disable Windows Installer",
    "Disable for non-managed applications only",
    "Always disable Windows Installer",
};
constexpr int kDisableMsiChoiceCount = 3;

void ShowDisableInstaller(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::ComboCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::Combo1});
    ctx.pages.SetText(page, ctl::Label1, "Disable Windows Installer:");
    ctx.pages.ComboReset(page, ctl::Combo1);
    for (const char* choice : kDisableMsiChoices)
        ctx.pages.ComboAddString(page, ctl::Combo1, choice);
    // The machine's value is the one Windows Installer obeys.
    const auto stored =
        ReadNumber(ctx.registry, hive::LocalMachine, kInstallerPolicies, "DisableMSI");
    if (stored && *stored < kDisableMsiChoiceCount)
        ctx.pages.ComboSetCurSel(page, ctl::Combo1, static_cast<int>(*stored));
}

void ApplyDisableInstaller(TweakContext& ctx) {
    ctx.RecordDate();
    const int index = ctx.pages.ComboGetCurSel(PageId::ComboCheckPage, ctl::Combo1);
    if (index < 0) {
        // No choice: the policy is taken away again.
        DeleteValueOfKey(ctx.registry, hive::LocalMachine, kInstallerPolicies, "DisableMSI");
        RemoveMirroredPolicy(ctx, "DisableMSI");
        return;
    }
    const Data data = Dword(static_cast<std::uint32_t>(index));
    StoreData(ctx, MachinePolicy("DisableMSI"), data, false);
    StoreData(ctx, MirroredPolicy("DisableMSI"), data, false);
}

// --- 40: Remote Administration of Windows Installer.

Declared RemoteAdministration() {
    return Declared{.id = 40,
                    .fields = {Box{.caption = "Enable Remote Administration of Windows Installer",
                                   .at = {MachinePolicy("EnableAdminTSRemote")},
                                   .on = Dword(1),
                                   .off = Dword(0)}},
                    .gate = gate::Win2000Xp,
                    .refusal = Refusal::FlipMainCheck,
                    .date = DateAt::EachWrite};
}

// --- 41: Windows Installer Logging. The letters are shown for reference: checking the
// box always turns on the same full set.

constexpr const char* kLoggingModes = "voicewarmup";

struct LoggingOption {
    const char* letter;
    const char* option;
};
const LoggingOption kLoggingOptions[] = {
    {"v", "Verbose output"},
    {"o", "Out-of-disk-space messages"},
    {"i", "Status messages"},
    {"c", "Initial UI parameters"},
    {"e", "All error messages"},
    {"w", "Non-fatal warnings"},
    {"a", "Start up of actions"},
    {"r", "Action-specific records"},
    {"m", "Out-of-memory or fatal exit information"},
    {"u", "User requests"},
    {"p", "Terminal properties"},
    {"+", "Append to existing file"},
    {"!", "Flush each line to the log"},
};

void ShowLogging(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::ListPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck, ctl::List}, nullptr);  // no room for a note
    ctx.pages.SetText(page, ctl::MainCheck,
                      "Check it to a Combination of the Letters below to Enable the Logging "
                      "Options");
    ctx.pages.SetCheck(page, ctl::MainCheck, false);
    ClearList(ctx.pages, page, ctl::List);
    ctx.pages.ListInsertColumn(page, ctl::List, 0, "Letter", 99, ColumnAlign::Left);
    ctx.pages.ListInsertColumn(page, ctl::List, 1, "Option", 277, ColumnAlign::Left);
    int row = 0;
    for (const LoggingOption& option : kLoggingOptions) {
        ctx.pages.ListInsertItem(page, ctl::List, row, option.letter);
        ctx.pages.ListSetItemText(page, ctl::List, row, 1, option.option);
        ++row;
    }
    const Target machine = MachinePolicy("Logging");
    const Target mirrored = MirroredPolicy("Logging");
    if (ReadRegValue(ctx.registry, machine.hive, machine.key, machine.value) &&
        ReadRegValue(ctx.registry, mirrored.hive, mirrored.key, mirrored.value)) {
        ctx.pages.SetCheck(page, ctl::MainCheck, true);
    }
}

void ApplyLogging(TweakContext& ctx) {
    ctx.RecordDate();
    if (ctx.pages.IsChecked(PageId::ListPage, ctl::MainCheck)) {
        StoreData(ctx, MachinePolicy("Logging"), Text(kLoggingModes), false);
        StoreData(ctx, MirroredPolicy("Logging"), Text(kLoggingModes), false);
        return;
    }
    DeleteValueByPath(ctx.registry, hive::LocalMachine, kInstallerPolicies, "Logging");
    // Only this policy goes: the mirror holds the user's other local policies as well.
    RemoveMirroredPolicy(ctx, "Logging");
}

}  // namespace

void RegisterWindowsInstaller(HandlerTable& table) {
    table.Register(39, ShowDisableInstaller, ApplyDisableInstaller);
    Register(table, RemoteAdministration());
    table.Register(41, ShowLogging, ApplyLogging);
}

}  // namespace tallowick
