#include "engine/os_gate.h"

#include "engine/tweak_context.h"
#include "model/language.h"
#include "platform/page_layouts.h"

namespace tallowick {

namespace {}  // namespace

OsVersionInfo::OsVersionInfo(Host& host) : version_(host.WindowsVersion()) {}

// The 95 family tells its members apart by the minor version alone.
bool OsVersionInfo::IsWin95() const {
    return version_.platformId == kPlatformWindows && version_.minor == 0;
}

bool OsVersionInfo::IsWin98() const {
    return version_.platformId == kPlatformWindows && version_.minor == 10;
}

bool OsVersionInfo::IsWinMe() const {
    return version_.platformId == kPlatformWindows && version_.minor == 90;
}

bool OsVersionInfo::IsWinNT4() const {
    return version_.platformId == kPlatformNt && version_.major == 4;
}

bool OsVersionInfo::IsWin2000() const {
    return version_.platformId == kPlatformNt && version_.major == 5 && version_.minor == 0;
}

bool OsVersionInfo::IsWinXP() const {
    return version_.platformId == kPlatformNt && version_.major == 5 && version_.minor >= 1;
}

bool Passes(const OsVersionInfo& os, const Gate& gate) {
    return (gate.winXP && os.IsWinXP()) || (gate.winNT4 && os.IsWinNT4()) ||
           (gate.win2000 && os.IsWin2000()) || (gate.win95 && os.IsWin95()) ||
           (gate.win98 && os.IsWin98()) || (gate.winMe && os.IsWinMe());
}

bool CheckGate(TweakContext& ctx, const Gate& gate, Refusal refusal, PageId page) {
    if (Passes(OsVersionInfo(ctx.host), gate))
        return true;
    if (refusal == Refusal::FlipMainCheck)
        ctx.pages.SetCheck(page, ctl::MainCheck, !ctx.pages.IsChecked(page, ctl::MainCheck));
    else if (refusal == Refusal::ClearMainCheck)
        ctx.pages.SetCheck(page, ctl::MainCheck, false);
    ShowAlert(ctx, gate.alertId);
    return false;
}

void ShowAlert(TweakContext& ctx, int textId) {
    ctx.host.ShowMessageBox(0, ctx.language.LocalisedString(textId),
                            ctx.language.LocalisedString(kStringAlertCaption), mb::IconHand);
}

}  // namespace tallowick
