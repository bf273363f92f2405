// The names this program keeps its own state under, in the registry, the date file and
// the language files. They are spelled as the program's earlier releases wrote them,
// misspellings included: a user's existing dates, language choice and translations are
// found only under exactly these names.
#pragma once

#include <string_view>

namespace tallowick {

// HKEY_CURRENT_USER\Software\<name>: the program's own key.
inline constexpr const char* kProgramKeyName = "Quenby Manager";
inline constexpr const char* kProgramKeyPath = "Software\\Quenby Manager";
// REG_SZ: the language file's name.
inline constexpr const char* kLanguageValue = "Language";
// REG_DWORD: 1 once the date file has been written on a first run.
inline constexpr const char* kDateFlagValue = "DateModefiedFlage";
// Each line of DateFile.txt: <prefix>"<record name>",M/D/YYYY)
inline constexpr const char* kDateLinePrefix = "quenby(";
// The language file's section of string-table texts.
inline constexpr std::string_view kStringTableSection = "QuenbyManagerStringTable";

}  // namespace tallowick
