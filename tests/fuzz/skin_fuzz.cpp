// Skin and splash files: a refused file names a line it has and says what is wrong there.
#include <algorithm>
#include <cstdio>
#include <string>

#include "fuzz/fuzz_targets.h"
#include "shell/skin.h"

namespace tallowick::fuzz {
namespace {

void RequireLineOfTheFile(bool accepted, const std::string& error, std::string_view text) {
    if (accepted) {
        Require(error.empty(), "an accepted file has no error");
        return;
    }
    const long lines = std::count(text.begin(), text.end(), '\n') + 1;
    long line = 0;
    const int scanned = std::sscanf(error.c_str(), "line %ld: ", &line);
    Require(scanned == 1 && line >= 1 && line <= lines, "the error names a line of the file");
    Require(error.find(": ") + 2 < error.size(), "the error says what is wrong");
}

}  // namespace

void Skin(std::string_view bytes) {
    std::string error;
    const bool accepted = ParseSkin(std::string(bytes), &error).has_value();
    RequireLineOfTheFile(accepted, error, bytes);
}

void Splash(std::string_view bytes) {
    std::string error;
    const bool accepted = ParseSplash(std::string(bytes), &error).has_value();
    RequireLineOfTheFile(accepted, error, bytes);
}

}  // namespace tallowick::fuzz
