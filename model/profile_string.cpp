#include "model/profile_string.h"

#include <optional>

namespace tallowick {
namespace {

// Ctrl-Z, the old end-of-file mark, counts as a blank for the system reader.
bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f' || c == '\x1a';
}

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The system reader keeps names and values as C strings, so a zero byte ends them.
std::string_view UpToNul(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

char AsciiLower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiLower(a[i]) != AsciiLower(b[i]))
            return false;
    }
    return true;
}

// The value text of the first line for `key` in the first section called `section`;
// nothing when there is no such line or that line has no '='.
std::optional<std::string_view> FindValue(std::string_view text, std::string_view section,
                                          std::string_view key) {
    // Lines before the first header form a section with an empty name.
    bool inSection = section.empty();
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = Trim(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty())
            continue;

        if (line.front() == '[') {
            std::size_t close = line.rfind(']');
            if (close != std::string_view::npos) {
                // A later section of the same name is never searched.
                if (inSection)
                    return std::nullopt;
                inSection = SameName(UpToNul(Trim(line.substr(1, close - 1))), section);
                continue;
            }
        }
        if (!inSection)
            continue;

        std::size_t equals = line.find('=');
        if (!SameName(UpToNul(Trim(line.substr(0, equals))), key))
            continue;
        if (equals == std::string_view::npos)
            return std::nullopt;
        return UpToNul(Trim(line.substr(equals + 1)));
    }
    return std::nullopt;
}

std::string_view WithoutTrailingSpaces(std::string_view text) {
    while (text.size() > 1 && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

std::string CopyOut(std::string_view text, std::size_t bufferSize) {
    std::size_t room = bufferSize - 1;
    if (text.size() >= 2 && (text.front() == '"' || text.front() == '\'') &&
        text.back() == text.front()) {
        text = text.substr(1, text.size() - 2);
        // The system reader removes the character where the closing quote would have been,
        // even when that quote did not fit.
        if (room == text.size() && room > 0)
            --room;
    }
    return std::string(text.substr(0, room));
}

}  // namespace

std::string ReadProfileString(std::string_view fileText, std::string_view section,
                              std::string_view key, std::string_view defaultValue,
                              std::size_t bufferSize) {
    if (bufferSize == 0)
        return {};
    std::optional<std::string_view> value = FindValue(fileText, Trim(section), Trim(key));
    return CopyOut(value ? *value : WithoutTrailingSpaces(defaultValue), bufferSize);
}

}  // namespace tallowick
