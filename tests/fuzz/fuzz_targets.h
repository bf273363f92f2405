// The fuzz targets: one per reader of bytes from disk. Each takes any bytes, must neither
// crash nor let an exception escape, and throws PropertyBroken when its reader breaks a
// rule it must keep for every input. libFuzzer runs them through fuzz_main.cpp; the native
// tests replay the saved inputs through the same functions.
#pragma once

#include <stdexcept>
#include <string_view>
#include <vector>

namespace tallowick::fuzz {

struct PropertyBroken : std::logic_error {
    using std::logic_error::logic_error;
};

inline void Require(bool holds, const char* rule) {
    if (!holds)
        throw PropertyBroken(rule);
}

// The text cut at each of the `cuts` characters, without them; one piece at least.
inline std::vector<std::string_view> Split(std::string_view text, std::string_view cuts) {
    std::vector<std::string_view> pieces;
    for (std::size_t pos = 0;;) {
        const std::size_t cut = text.find_first_of(cuts, pos);
        pieces.push_back(text.substr(pos, cut - pos));
        if (cut == std::string_view::npos)
            return pieces;
        pos = cut + 1;
    }
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
