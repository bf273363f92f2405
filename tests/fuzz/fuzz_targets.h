// The fuzz targets: one per reader of bytes from disk. Each takes any bytes, must neither
// crash nor let an exception escape, and throws PropertyBroken when its reader breaks a
// rule it must keep for every input. libFuzzer runs them through fuzz_main.cpp; the native
// tests replay the saved inputs through the same functions.
#pragma once

#include <stdexcept>
#include <string_view>

namespace tallowick::fuzz {

struct PropertyBroken : std::logic_error {
    using std::logic_error::logic_error;
};

inline void Require(bool holds, const char* rule) {
    if (!holds)
        throw PropertyBroken(rule);
}

void RegText(std::string_view bytes);
void Skin(std::string_view bytes);
void Splash(std::string_view bytes);
void ProfileString(std::string_view bytes);
void LanguageFile(std::string_view bytes);
void DateFile(std::string_view bytes);
void BootIni(std::string_view bytes);
void Journal(std::string_view bytes);

struct Target {
    const char* name;  // also the folder of its saved inputs
    void (*run)(std::string_view bytes);
};

inline constexpr Target kTargets[] = {
    {"reg_text", RegText},      {"skin", Skin},
    {"splash", Splash},         {"profile_string", ProfileString},
    {"language", LanguageFile}, {"date_file", DateFile},
    {"boot_ini", BootIni},      {"journal", Journal},
};

}  // namespace tallowick::fuzz
