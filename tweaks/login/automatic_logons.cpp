// How many more times Windows logs on automatically. Written by hand: the count is a
// number on Windows XP and a text elsewhere, and a count that is not a number is refused
// rather than taken for none, which would leave automatic logon unlimited.
#include <cstdint>
#include <optional>
#include <string>

#include "engine/declarations.h"
#include "engine/registry_conventions.h"
#include "model/language.h"
#include "platform/page_layouts.h"
#include "tweaks/login/login.h"

namespace tallowick {

using namespace login;

namespace {

constexpr PageId kPage = PageId::PathEditPage;

std::string Trimmed(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return "";
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// Decimal digits up to 2147483647; nullopt for anything else.
std::optional<std::uint32_t> CountOf(const std::string& digits) {
    if (digits.empty() || digits.size() > 10 ||
        digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    const unsigned long long n = std::stoull(digits);
    if (n > 2147483647ull)
        return std::nullopt;
    return static_cast<std::uint32_t>(n);
}

void ShowCount(TweakContext& ctx, TweakId id) {
    ShowTweakPage(ctx, id, kPage, {ctl::Label1, ctl::Edit1}, kLowerRestartNote);
    ctx.pages.SetText(kPage, ctl::Label1, "Number of Automatic Logins:");
    const Target at = kWinlogon.Named("AutoLogonCount");
    std::string shown;
    // Shown as it is kept: Windows XP keeps a number, the others a text.
    if (const auto stored = ReadRegValue(ctx.registry, at.hive, at.key, at.value)) {
        if (stored->type == regtype::Sz || stored->type == regtype::ExpandSz)
            shown = TextFromBytes(stored->data);
        else if (stored->data.size() >= 4)
            shown = std::to_string(NumberFromBytes(stored->data));
    }
    ctx.pages.SetText(kPage, ctl::Edit1, shown);
}

void ApplyCount(TweakContext& ctx) {
    if (!CheckGate(ctx, gate::NtFamily, Refusal::Leave, kPage))
        return;
    const Target at = kWinlogon.Named("AutoLogonCount");
    const std::string text = ctx.pages.GetText(kPage, ctl::Edit1);
    const std::string digits = Trimmed(text);
    if (digits.empty()) {
        // No count: automatic logon goes on without a limit.
        ctx.RecordDate();
        StoreData(ctx, at, DeleteValue(), false);
        return;
    }
    const auto count = CountOf(digits);
    if (!count) {
        ShowAlert(ctx, kStringSetAutoLogonCount);
        return;
    }
    ctx.RecordDate();
    StoreData(ctx, at, OsVersionInfo(ctx.host).IsWinXP() ? Dword(*count) : Text(text), false);
}

}  // namespace

void RegisterAutomaticLogons(HandlerTable& table) {
    table.Register(172, ShowCount, ApplyCount);
}

}  // namespace tallowick
