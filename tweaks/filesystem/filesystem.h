// The File System category: its Caching and Memory, Files and Shortcuts and Maintenance
// groups' tweaks and its own.
#pragma once

#include "engine/declarations.h"
#include "engine/tweak_context.h"

namespace tallowick {

void RegisterFileSystem(HandlerTable& table);

// One per group, called by RegisterFileSystem.
void RegisterCaching(HandlerTable& table);
void RegisterFilesAndShortcuts(HandlerTable& table);
void RegisterMaintenance(HandlerTable& table);
void RegisterFileSystemOwn(HandlerTable& table);

namespace filesystem {

// Keys most of these tweaks keep their settings in. None of them is ever made: a setting
// whose key is missing is left alone.
inline constexpr Target kPolicies{
    hive::CurrentUser, "Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer", ""};
inline constexpr Target kExplorer{hive::CurrentUser,
                                  "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer", ""};
inline constexpr Target kFileSystem{hive::LocalMachine,
                                    "System\\CurrentControlSet\\Control\\FileSystem", ""};

// The notes these pages show.

// A checkbox stored as 1 or 0 on the MultiCheckPage.
inline Declared Check(TweakId id, const char* caption, Target at, std::optional<Gate> gate,
                      const char* note) {
    return Declared{
        .id = id,
        .fields = {Box{.caption = caption, .at = {at}, .on = Dword(1), .off = Dword(0)}},
        .gate = gate,
        .note = note};
}

}  // namespace filesystem

}  // namespace tallowick
