// The Troubleshooting category's own tweaks. Keys are never made here: a setting whose
// key is missing is left alone.
#include "tweaks/troubleshooting/troubleshooting.h"

#include <cstdint>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"

namespace tallowick {

namespace {

constexpr const char* kReportingNote = "Note:\n\tRestart Windows for the changes to take effect. ";

constexpr Target kErrorReporting{hive::LocalMachine,
                                 "SOFTWARE\\Microsoft\\PCHealth\\ErrorReporting", ""};
constexpr Target kStartupWindows{hive::LocalMachine,
                                 "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Windows", ""};
constexpr Target kKeyboard{hive::CurrentUser, "Control Panel\\Keyboard",
                           "InitialKeyboardIndicators"};

// Remote Assistance and Remote Desktop share the Terminal Server's switches: the box
// allows both or denies both, as three numbers.
constexpr Target kTerminalServer{hive::LocalMachine,
                                 "SYSTEM\\CurrentControlSet\\Control\\Terminal Server", ""};
struct RemoteSwitch {
    const char* value;
    std::uint32_t allowed, denied;
};
constexpr RemoteSwitch kRemoteSwitches[] = {
    {"AllowTSConnections", 1, 0}, {"fDenyTSConnections", 0, 1}, {"fAllowToGetHelp", 1, 0}};

// One bit per drive type; 0x20 is the CD-ROM's. The other bits belong to other drives
// and, often, to an administrator's policy.
constexpr Target kAutoRun{hive::LocalMachine,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\policies\\Explorer",
                          "NoDriveTypeAutoRun"};
constexpr std::uint32_t kCdRomBit = 0x20;

constexpr PageId kPage = PageId::MultiCheckPage;

// Ticked only while all three allow: any other mix is not what a ticked box writes.
void ShowRemoteAssistance(TweakContext& ctx, TweakId id) {
    ShowTweakPage(ctx, id, kPage, {ctl::MainCheck}, kLowerRestartNote);
    ctx.pages.SetText(kPage, ctl::MainCheck,
                      "Allow Remote Assistance and Remote Desktop connections .");
    bool allowed = true;
    for (const RemoteSwitch& s : kRemoteSwitches)
        allowed = allowed && Matches(ctx, kTerminalServer.Named(s.value), Dword(s.allowed));
    ctx.pages.SetCheck(kPage, ctl::MainCheck, allowed);
}

void ApplyRemoteAssistance(TweakContext& ctx) {
    if (!CheckGate(ctx, gate::XpOnly, Refusal::Leave, kPage))
        return;
    ctx.RecordDate();
    const bool allow = ctx.pages.IsChecked(kPage, ctl::MainCheck);
    for (const RemoteSwitch& s : kRemoteSwitches)
        StoreData(ctx, kTerminalServer.Named(s.value), Dword(allow ? s.allowed : s.denied), false);
}

// A missing value counts as no bit set: autorun on.
std::uint32_t AutoRunMask(TweakContext& ctx) {
    return ReadNumber(ctx.registry, kAutoRun.hive, kAutoRun.key, kAutoRun.value).value_or(0);
}

void ShowCdRomAutoRun(TweakContext& ctx, TweakId id) {
    ShowTweakPage(ctx, id, kPage, {ctl::MainCheck}, kLowerRestartNote);
    ctx.pages.SetText(kPage, ctl::MainCheck, "Run inserted CD-ROMs automatically .");
    ctx.pages.SetCheck(kPage, ctl::MainCheck, !(AutoRunMask(ctx) & kCdRomBit));
}

void ApplyCdRomAutoRun(TweakContext& ctx) {
    ctx.RecordDate();
    const std::uint32_t mask = AutoRunMask(ctx);
    const bool run = ctx.pages.IsChecked(kPage, ctl::MainCheck);
    StoreData(ctx, kAutoRun, Dword(run ? mask & ~kCdRomBit : mask | kCdRomBit), false);
}

// Windows expands "%SystemRoot%" in these texts itself; an empty edit leaves the text.
Declared Path(TweakId id, const char* label, Target at, const Gate& gate) {
    return Declared{
        .id = id,
        .page = PageId::PathEditPage,
        .fields = {EditRow{
            .label = label, .at = {at}, .empty = kSkipEmpty, .systemRoot = true, .unquote = true}},
        .gate = gate,
        .note = kLowerRestartNote};
}

Box Reports(int control, const char* caption, const char* value) {
    return Box{.control = control,
               .caption = caption,
               .at = {kErrorReporting.Named(value)},
               .on = Dword(1),
               .off = Dword(0)};
}

}  // namespace

void RegisterTroubleshooting(HandlerTable& table) {
    RegisterCrashControl(table);
    RegisterRepair(table);
    Register(table, Path(295, "The active desktop safe mode background:",
                         {hive::CurrentUser,
                          "Software\\Microsoft\\Internet Explorer\\Desktop\\SafeMode\\General",
                          "Wallpaper"},
                         gate::Win98MeWin2000Xp));
    Register(table,
             Path(296, "The Default Mailbox sound settings:",
                  {hive::CurrentUser, "AppEvents\\Schemes\\Apps\\.Default\\MailBeep\\.current", ""},
                  gate::Win2000Xp));
    // Bit 1 of the indicators is NumLock; "2" is the text Windows writes for it alone. The
    // default user's is the logon screen's.
    Register(table,
             Declared{.id = 297,
                      .fields = {Box{.caption = "NumLock is turned on after login (Current "
                                                "User).",
                                     .at = {kKeyboard},
                                     .on = Text("2"),
                                     .off = Text("0")},
                                 Box{.caption = "NumLock is turned on after login (All "
                                                "Users).",
                                     .at = {{hive::Users, ".DEFAULT\\Control Panel\\Keyboard",
                                             "InitialKeyboardIndicators"}},
                                     .on = Text("2"),
                                     .off = Text("0")}},
                      .gate = gate::NtFamily,
                      .note = kLowerRestartNote});
    // Setup then asks before each step of an update; it takes "y" as well as "Y".
    Register(table,
             Declared{.id = 299,
                      .fields = {Box{.caption = "Enable Debug windows update Process.",
                                     .at = {{hive::LocalMachine,
                                             "SOFTWARE\\Microsoft\\Active Setup", "SteppingMode"}},
                                     .on = Text("Y"),
                                     .off = DeleteValue(),
                                     .match = Match::IgnoreCase}},
                      .note = kLowerRestartNote});
    // The error mode is SetErrorMode's: 0 shows every error, 1 hides system errors, 2 all.
    Register(table, Declared{.id = 300,
                             .page = PageId::ComboCheckPage,
                             .fields = {Box{.caption = "Disable Warnings on Startup .",
                                            .at = {kStartupWindows.Named("NoPopUpsOnBoot")},
                                            .on = Dword(1),
                                            .off = DeleteValue()},
                                        Choice{.label = "Error Mode:",
                                               .items = IndexItems({"No Error Suppression",
                                                                    "Suppress System Errors",
                                                                    "Suppress All Errors"}),
                                               .at = {kStartupWindows.Named("Error Mode")},
                                               .none = DeleteValue()}},
                             .gate = gate::Win2000Xp,
                             .note = kWindowsNote});
    table.Register(301, ShowRemoteAssistance, ApplyRemoteAssistance);
    table.Register(303, ShowCdRomAutoRun, ApplyCdRomAutoRun);
    // Written in this order; the boxes sit on the page in another.
    Register(
        table,
        Declared{.id = 305,
                 .fields = {Reports(ctl::MainCheck, "Enable error reporting .", "DoReport"),
                            Reports(ctl::Check3, "Include kernel errors in the report.",
                                    "IncludeKernelFaults"),
                            Reports(ctl::Check4, "Include Microsoft applications in the report.",
                                    "IncludeMicrosoftApps"),
                            Reports(ctl::Check5, "Include Windows components in the report.",
                                    "IncludeWindowsApps"),
                            Reports(ctl::SecondCheck, "Show user interface.", "ShowUI")},
                 .gate = gate::XpOnly,
                 .note = kReportingNote});
}

}  // namespace tallowick
