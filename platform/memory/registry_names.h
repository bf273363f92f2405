// How registry names compare: without regard to case, in the order the registry
// enumerates them (each byte folded to lower case, so "_x" sorts before "A").
#pragma once

#include <string_view>

namespace tallowick {

inline char FoldName(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

inline int CompareNames(std::string_view a, std::string_view b) {
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(FoldName(a[i]));
        const auto y = static_cast<unsigned char>(FoldName(b[i]));
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

inline bool NamesEqual(std::string_view a, std::string_view b) {
    return CompareNames(a, b) == 0;
}

struct NameLess {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return CompareNames(a, b) < 0; }
};

// The name of the current user's hive under HKEY_USERS.
inline constexpr const char* kCurrentUserSid = "S-1-5-21-0-0-0-1000";

}  // namespace tallowick
