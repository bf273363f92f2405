// The login tweaks whose registry depends on the running Windows: the last user name,
// the Welcome screen and the legal notice.
#include <optional>
#include <string>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "platform/page_layouts.h"
#include "tweaks/login/login.h"

namespace tallowick {

using namespace login;

namespace {

bool NtFamily(const OsVersionInfo& os) {
    return os.IsWinNT4() || os.IsWin2000() || os.IsWinXP();
}

bool Family9x(const OsVersionInfo& os) {
    return os.IsWin95() || os.IsWin98() || os.IsWinMe();
}

// --- 169: the last user name ---------------------------------------------------------

constexpr Target kSystemPolicies{hive::LocalMachine,
                                 "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\System",
                                 "DontDisplayLastUserName"};
constexpr Target kNetworkLogon{hive::LocalMachine, "Network\\Logon", "DontShowLastUser"};

// Where the running Windows keeps the setting, and what it holds while the name is hidden
// and while it is shown; nullopt on a Windows that has none of them.
struct LastUserSetting {
    Target at;
    Data hidden, shown;
};
std::optional<LastUserSetting> LastUser(const OsVersionInfo& os) {
    if (os.IsWinNT4())
        return LastUserSetting{kWinlogon.Named("DontDisplayLastUserName"), Dword(1), Dword(0)};
    if (os.IsWin2000() || os.IsWinXP())
        return LastUserSetting{kSystemPolicies, Dword(1), Dword(0)};
    if (Family9x(os))
        return LastUserSetting{kNetworkLogon, Text("1"), Text("0")};
    return std::nullopt;
}

void ShowLastUser(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::MultiCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck}, kLowerRestartNote);
    ctx.pages.SetText(page, ctl::MainCheck, "Do not display the last user name .");
    const auto setting = LastUser(OsVersionInfo(ctx.host));
    ctx.pages.SetCheck(page, ctl::MainCheck, setting && Matches(ctx, setting->at, setting->hidden));
}

void ApplyLastUser(TweakContext& ctx) {
    constexpr PageId page = PageId::MultiCheckPage;
    if (!CheckGate(ctx, gate::AllBut95, Refusal::Leave, page))
        return;
    ctx.RecordDate();
    if (const auto setting = LastUser(OsVersionInfo(ctx.host))) {
        const bool hidden = ctx.pages.IsChecked(page, ctl::MainCheck);
        StoreData(ctx, setting->at, hidden ? setting->hidden : setting->shown, false);
    }
}

// --- 170: the Welcome screen ---------------------------------------------------------

constexpr Target kNoWelcome{hive::LocalMachine,
                            "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer",
                            "NoWelcomeScreen"};

void ShowWelcome(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::MultiCheckPage;
    ShowTweakPage(ctx, id, page, {ctl::MainCheck}, kLowerRestartNote);
    ctx.pages.SetText(page, ctl::MainCheck, "Do not display the Welcome Screen .");
    // Only Windows 2000 has this Welcome screen; elsewhere the policy means nothing.
    ctx.pages.SetCheck(page, ctl::MainCheck,
                       OsVersionInfo(ctx.host).IsWin2000() && Matches(ctx, kNoWelcome, Dword(1)));
}

void ApplyWelcome(TweakContext& ctx) {
    constexpr PageId page = PageId::MultiCheckPage;
    if (!CheckGate(ctx, gate::Win2000Only, Refusal::Leave, page))
        return;
    ctx.RecordDate();
    StoreData(ctx, kNoWelcome, Dword(ctx.pages.IsChecked(page, ctl::MainCheck) ? 1 : 0), false);
}

// --- 171: the legal notice -----------------------------------------------------------

constexpr Target kWinlogon9x{hive::LocalMachine,
                             "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Winlogon", ""};

Target NoticeKey(const OsVersionInfo& os) {
    return NtFamily(os) ? kWinlogon : kWinlogon9x;
}

void ShowNotice(TweakContext& ctx, TweakId id) {
    constexpr PageId page = PageId::PathEditPage;
    ShowTweakPage(ctx, id, page, {ctl::Label1, ctl::Edit1, ctl::Label2, ctl::Edit2}, kLegalNote);
    ctx.pages.SetText(page, ctl::Label1, "Notice Title:");
    ctx.pages.SetText(page, ctl::Label2, "Notice Text:");
    const Target at = NoticeKey(OsVersionInfo(ctx.host));
    ctx.pages.SetText(page, ctl::Edit1,
                      ReadText(ctx.registry, at.hive, at.key, "LegalNoticeCaption").value_or(""));
    ctx.pages.SetText(page, ctl::Edit2,
                      ReadText(ctx.registry, at.hive, at.key, "LegalNoticeText").value_or(""));
}

void ApplyNotice(TweakContext& ctx) {
    constexpr PageId page = PageId::PathEditPage;
    const OsVersionInfo os(ctx.host);
    if (NtFamily(os))
        ctx.RecordDate();
    const Target at = NoticeKey(os);
    // An empty edit removes its value, and with both gone Windows shows no notice.
    const std::pair<const char*, int> values[] = {{"LegalNoticeText", ctl::Edit2},
                                                  {"LegalNoticeCaption", ctl::Edit1}};
    for (const auto& [value, edit] : values) {
        const std::string text = ctx.pages.GetText(page, edit);
        StoreData(ctx, at.Named(value), text.empty() ? DeleteValue() : Text(text), false);
    }
}

}  // namespace

void RegisterByVersion(HandlerTable& table) {
    table.Register(169, ShowLastUser, ApplyLastUser);
    table.Register(170, ShowWelcome, ApplyWelcome);
    table.Register(171, ShowNotice, ApplyNotice);
}

}  // namespace tallowick
