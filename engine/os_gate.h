// The Windows version gate: the only place that looks at the running Windows version.
// ApplyHandlers refuse to write on versions a tweak does not suit, with an alert.
#pragma once

#include "model/language.h"
#include "platform/host.h"
#include "platform/pages.h"

namespace tallowick {

struct TweakContext;

// The version as GetVersionExA reported it once, at construction. Lives for one handler
// call. Every predicate is false for a platform other than the one it names, and for
// major version 6 or later.
class OsVersionInfo {
  public:
    explicit OsVersionInfo(Host& host);

    bool IsWin95() const;    // 95 family, minor 0
    bool IsWin98() const;    // 95 family, minor 10
    bool IsWinMe() const;    // 95 family, minor 90
    bool IsWinNT4() const;   // NT family, 4.x
    bool IsWin2000() const;  // NT family, 5.0
    bool IsWinXP() const;    // NT family, 5.1 and later 5.x (Server 2003 is 5.2)

  private:
    OsVersion version_;
};

// The versions a tweak applies on, and the string id of the alert shown on the others.
struct Gate {
    bool win95 = false;
    bool win98 = false;
    bool winMe = false;
    bool winNT4 = false;
    bool win2000 = false;
    bool winXP = false;
    int alertId = 0;
};

// The same versions with another alert text, for the tweaks whose text does not match
// their set.
constexpr Gate WithAlert(Gate gate, int alertId) {
    gate.alertId = alertId;
    return gate;
}

// The sets in use, each with its usual alert.
namespace gate {
// clang-format off
//                                      95     98     Me     NT 4   2000   XP
inline constexpr Gate XpOnly           {false, false, false, false, false, true,  kStringOnlyXp};
inline constexpr Gate Win2000Xp        {false, false, false, false, true,  true,  kStringOnly2000Xp};
inline constexpr Gate NtFamily         {false, false, false, true,  true,  true,  kStringOnlyNt2000Xp};
inline constexpr Gate Win2000MeXp      {false, false, true,  false, true,  true,  kStringOnly2000MeXp};
inline constexpr Gate MeXp             {false, false, true,  false, false, true,  kStringOnlyMeXp};
inline constexpr Gate Win98MeWin2000Xp {false, true,  true,  false, true,  true,  kStringOnly98Me2000Xp};
inline constexpr Gate AllButNt4        {true,  true,  true,  false, true,  true,  kStringOnly9x2000Xp};
inline constexpr Gate AllButXp         {true,  true,  true,  true,  true,  false, kStringOnly9xNt2000};
inline constexpr Gate All              {true,  true,  true,  true,  true,  true,  kStringOnly98MeNt2000Xp};
inline constexpr Gate AllBut95         {false, true,  true,  true,  true,  true,  kStringOnly98MeNt2000Xp};
inline constexpr Gate Win2000Only      {false, false, false, false, true,  false, kStringOnly2000};
// clang-format on
}  // namespace gate

// True when any of the gate's versions is the running one.
bool Passes(const OsVersionInfo& os, const Gate& gate);

// What a refused version does to the page's main checkbox 1013 besides the alert: leave
// it, flip it back (so the page shows the state before the user's click), or clear it.
enum class Refusal { Leave, FlipMainCheck, ClearMainCheck };

// The first step of a gated ApplyHandler. When the running version is not one of the
// gate's: does `refusal` to `page`'s main checkbox, shows the alert without an owner
// window, and returns false; the handler then writes nothing and records no date.
// Otherwise true.
bool CheckGate(TweakContext& ctx, const Gate& gate, Refusal refusal, PageId page);

// The alert every handler shows: the localised text `textId` under the localised caption
// kStringAlertCaption, error icon, no owner window.
void ShowAlert(TweakContext& ctx, int textId);

}  // namespace tallowick
