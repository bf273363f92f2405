// Small helpers for registry tests: build expected values and read back whole values.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <ostream>
#include <string>

#include "platform/registry.h"

namespace tallowick {

inline bool operator==(const RegValue& a, const RegValue& b) {
    return a.type == b.type && a.data == b.data;
}

inline void PrintTo(const RegValue& v, std::ostream* os) {
    *os << "type " << v.type << " [";
    for (std::size_t i = 0; i < v.data.size(); ++i) {
        *os << (i ? " " : "") << static_cast<int>(v.data[i]);
    }
    *os << "]";
}

// A text as Windows stores it when written with its length: with its terminating zero.
inline RegValue SzValue(const std::string& text, std::uint32_t type = regtype::Sz) {
    RegValue v{type, {text.begin(), text.end()}};
    v.data.push_back(0);
    return v;
}

inline RegValue DwordValue(std::uint32_t n) {
    return RegValue{regtype::Dword,
                    {static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(n >> 8),
                     static_cast<std::uint8_t>(n >> 16), static_cast<std::uint8_t>(n >> 24)}};
}

// The value at root\path, or nullopt when the key or the value is missing.
inline std::optional<RegValue> ReadValue(Registry& reg, RegKey root, const std::string& path,
                                         const char* name) {
    KeyHandle key(reg);
    if (reg.OpenKey(root, path.c_str(), access::Read, key.out()) != err::Success) {
        return std::nullopt;
    }
    RegValue value;
    if (QueryValueWhole(reg, key.get(), name, &value) != err::Success)
        return std::nullopt;
    return value;
}

inline bool KeyExists(Registry& reg, RegKey root, const std::string& path) {
    KeyHandle key(reg);
    return reg.OpenKey(root, path.c_str(), access::Read, key.out()) == err::Success;
}

inline long WriteValue(Registry& reg, RegKey root, const std::string& path, const char* name,
                       const RegValue& value) {
    KeyHandle key(reg);
    long rc = reg.CreateKey(root, path.c_str(), key.out());
    if (rc != err::Success)
        return rc;
    // A guard byte past the data keeps SetValue from counting a terminator of its own.
    std::vector<std::uint8_t> bytes = value.data;
    bytes.push_back(1);
    return reg.SetValue(key.get(), name, value.type, bytes.data(),
                        static_cast<std::uint32_t>(value.data.size()));
}

}  // namespace tallowick
