// Small text helpers shared by the model and the layers above it.
#pragma once

#include <string>

namespace tallowick {

// Every non-overlapping occurrence of `from`, scanning left to right, replaced by `to`.
// An empty `from` changes nothing.
inline std::string ReplaceAll(const std::string& text, const std::string& from,
                              const std::string& to) {
    if (from.empty())
        return text;
    std::string result;
    std::size_t done = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, done)) {
        result.append(text, done, at - done).append(to);
        done = at + from.size();
    }
    return result.append(text, done);
}

}  // namespace tallowick
