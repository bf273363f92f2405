// The System category: its Services and Windows File Checker groups' tweaks and its own.
#pragma once

#include "engine/declarations.h"
#include "engine/tweak_context.h"

namespace tallowick {

void RegisterSystem(HandlerTable& table);

// One per group, called by RegisterSystem; the category's own tweaks are split between
// the declared ones with a few short handlers, and the Windows keys' scan code map.
void RegisterServices(HandlerTable& table);
void RegisterFileChecker(HandlerTable& table);
void RegisterSystemOwn(HandlerTable& table);
void RegisterWindowsKeys(HandlerTable& table);

namespace systemtweaks {

// A checkbox stored as 1 or 0 on the MultiCheckPage, under the usual note.
inline Declared Check(TweakId id, const char* caption, Target at, std::optional<Gate> gate) {
    return Declared{
        .id = id,
        .fields = {Box{.caption = caption, .at = {at}, .on = Dword(1), .off = Dword(0)}},
        .gate = gate,
        .note = kLowerRestartNote};
}

// A checkbox stored as 1, and as no value at all while clear: how policies are switched off.
inline Declared Policy(TweakId id, const char* caption, Target at, Gate gate) {
    return Declared{
        .id = id,
        .fields = {Box{.caption = caption, .at = {at}, .on = Dword(1), .off = DeleteValue()}},
        .gate = gate,
        .note = kLowerRestartNote};
}

}  // namespace systemtweaks

}  // namespace tallowick
