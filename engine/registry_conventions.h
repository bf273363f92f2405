// How tweak handlers read and write the registry: one helper per kind of access, so every
// handler connects, opens, reads, writes and closes the same way.
//
// - Every access connects the hive first (RegConnectRegistryA with no machine name).
// - Reads open keys for reading only, so a key the user may read but not write still
//   shows its state. Writes open with full access.
// - Values are read whole, whatever their size. The stored type is not checked: a number
//   is taken from the first four bytes of whatever is there, a text from the bytes up to
//   the first zero.
// - Registry failures come back as the Win32 code and are never shown to the user here.
//
// No helper keeps a handle past its return.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/registry.h"

namespace tallowick {

struct TweakContext;

// The two scopes of a dual-scope tweak: the control captioned "(Current User)" and the
// one captioned "(All Users)". HKCU is always written first.
inline constexpr RegKey ScopeCurrentUser = hive::CurrentUser;
inline constexpr RegKey ScopeAllUsers = hive::LocalMachine;

// --- Reading ---

// Connects `hive`, opens `path` for reading, reads value `name` (nullptr or "" for the
// default value) whole, closes. The Win32 code of the first step that failed: FileNotFound
// tells a missing key or value from other failures.
long QueryRegValue(Registry& registry, RegKey hive, const std::string& path, const char* name,
                   RegValue* value);

// As QueryRegValue; nullopt when the value is missing or cannot be read, which handlers
// treat alike: the control keeps its default state.
std::optional<RegValue> ReadRegValue(Registry& registry, RegKey hive, const std::string& path,
                                     const char* name);
// The value's first four bytes as a number, whatever its type.
std::optional<std::uint32_t> ReadNumber(Registry& registry, RegKey hive, const std::string& path,
                                        const char* name);
// The value's bytes up to the first zero, whatever its type.
std::optional<std::string> ReadText(Registry& registry, RegKey hive, const std::string& path,
                                    const char* name);

// The bytes up to the first zero, or all of them when there is none.
std::string TextFromBytes(const std::vector<std::uint8_t>& data);

// --- Writing ---
//
// Each write connects `hive`, opens `parentPath` with full access (the hive itself when
// empty), creates `createLeaf` under it unless that is empty (a single name or a short
// path; "" writes to the parent and creates nothing), records today's date for the
// current tweak when `recordDate` is given, sets the value and closes everything. A step
// that fails ends the write there: nothing is set and no date is recorded. The result is
// the Win32 code of the failed step, or of the set.

// Sets value `name` to `size` bytes of `type`. A text is counted without its terminating
// zero, which must follow it in memory: the registry then stores the zero itself, as
// Windows' RegSetValueExA does.
long WriteValue(Registry& registry, RegKey hive, const std::string& parentPath,
                const std::string& createLeaf, const char* name, std::uint32_t type,
                const std::uint8_t* data, std::uint32_t size, TweakContext* recordDate);
// Only the opening and creating, for a key whose presence is the setting.
long CreateKeyAt(Registry& registry, RegKey hive, const std::string& parentPath,
                 const std::string& createLeaf, TweakContext* recordDate);

// --- Deleting --- Each connects `hive` first; the Win32 code of the first failed step.

// SHDeleteValueA: one value of the key at `path`.
long DeleteValueByPath(Registry& registry, RegKey hive, const std::string& path, const char* name);
// SHDeleteKeyA: the key at `path` with everything below it.
long DeleteTreeAt(Registry& registry, RegKey hive, const std::string& path);
// Opens `path` with full access, then RegDeleteValueA.
long DeleteValueOfKey(Registry& registry, RegKey hive, const std::string& path, const char* name);
// Opens `parentPath` with full access, then RegDeleteKeyA of `subkey`, which fails on
// the NT family when the subkey has subkeys of its own.
long DeleteSubkeyOf(Registry& registry, RegKey hive, const std::string& parentPath,
                    const std::string& subkey);

// --- Between controls and data ---

// atoi: leading blanks, an optional sign, decimal digits up to the first non-digit; 0
// when there are none. Numbers past the int range give INT_MAX or INT_MIN, as the
// Windows C library does.
int AtoiLikeC(const std::string& text);
// "%d".
std::string FormatInt(int value);

// Path values kept with "%SystemRoot%" show the Windows directory in its place. Every
// occurrence is replaced, matched exactly (case-sensitive): a path typed in another
// letter case is written back unchanged. An empty Windows directory changes nothing.
std::string ExpandSystemRoot(const std::string& text, const std::string& windowsDir);
std::string CollapseSystemRoot(const std::string& text, const std::string& windowsDir);

}  // namespace tallowick
