#include "engine/registry_conventions.h"

#include <climits>
#include <cstring>

#include "engine/tweak_context.h"
#include "model/text.h"

namespace tallowick {

namespace {

constexpr const char* kSystemRoot = "%SystemRoot%";

// Connects `hive` into `connected`; then `parentPath` into `parent` with full access, or
// the connected hive when it is empty; then `createLeaf` under it into `leaf` when given.
// `*target` is the key to act on. Any handles taken close with their holders.
long OpenForWrite(Registry& registry, RegKey hive, const std::string& parentPath,
                  const std::string& createLeaf, KeyHandle& connected, KeyHandle& parent,
                  KeyHandle& leaf, RegKey* target) {
    long rc = registry.Connect(hive, connected.out());
    if (rc != err::Success)
        return rc;
    *target = connected.get();
    if (!parentPath.empty()) {
        rc = registry.OpenKey(*target, parentPath.c_str(), access::AllAccess, parent.out());
        if (rc != err::Success)
            return rc;
        *target = parent.get();
    }
    if (!createLeaf.empty()) {
        rc = registry.CreateKey(*target, createLeaf.c_str(), leaf.out());
        if (rc != err::Success)
            return rc;
        *target = leaf.get();
    }
    return err::Success;
}

// Connects `hive` and opens `path` under it with full access, for the deletes that act on
// an opened key.
long OpenForDelete(Registry& registry, RegKey hive, const std::string& path, KeyHandle& connected,
                   KeyHandle& key) {
    long rc = registry.Connect(hive, connected.out());
    if (rc != err::Success)
        return rc;
    return registry.OpenKey(connected.get(), path.c_str(), access::AllAccess, key.out());
}

bool IsCBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

long QueryRegValue(Registry& registry, RegKey hive, const std::string& path, const char* name,
                   RegValue* value) {
    KeyHandle connected(registry);
    long rc = registry.Connect(hive, connected.out());
    if (rc != err::Success)
        return rc;
    KeyHandle key(registry);
    rc = registry.OpenKey(connected.get(), path.c_str(), access::Read, key.out());
    if (rc != err::Success)
        return rc;
    return QueryValueWhole(registry, key.get(), name, value);
}

std::optional<RegValue> ReadRegValue(Registry& registry, RegKey hive, const std::string& path,
                                     const char* name) {
    RegValue value;
    if (QueryRegValue(registry, hive, path, name, &value) != err::Success)
        return std::nullopt;
    return value;
}

std::optional<std::uint32_t> ReadNumber(Registry& registry, RegKey hive, const std::string& path,
                                        const char* name) {
    auto value = ReadRegValue(registry, hive, path, name);
    if (!value)
        return std::nullopt;
    return NumberFromBytes(value->data);
}

std::optional<std::string> ReadText(Registry& registry, RegKey hive, const std::string& path,
                                    const char* name) {
    auto value = ReadRegValue(registry, hive, path, name);
    if (!value)
        return std::nullopt;
    return TextFromBytes(value->data);
}

std::string TextFromBytes(const std::vector<std::uint8_t>& data) {
    std::string text;
    for (std::uint8_t byte : data) {
        if (byte == 0)
            break;
        text += static_cast<char>(byte);
    }
    return text;
}

long WriteValue(Registry& registry, RegKey hive, const std::string& parentPath,
                const std::string& createLeaf, const char* name, std::uint32_t type,
                const std::uint8_t* data, std::uint32_t size, TweakContext* recordDate) {
    KeyHandle connected(registry);
    KeyHandle parent(registry);
    KeyHandle leaf(registry);
    RegKey target = 0;
    long rc =
        OpenForWrite(registry, hive, parentPath, createLeaf, connected, parent, leaf, &target);
    if (rc != err::Success)
        return rc;
    // The date goes with a write that can happen, never with one whose key is missing.
    if (recordDate)
        recordDate->RecordDate();
    return registry.SetValue(target, name, type, data, size);
}

long CreateKeyAt(Registry& registry, RegKey hive, const std::string& parentPath,
                 const std::string& createLeaf, TweakContext* recordDate) {
    KeyHandle connected(registry);
    KeyHandle parent(registry);
    KeyHandle leaf(registry);
    RegKey target = 0;
    long rc =
        OpenForWrite(registry, hive, parentPath, createLeaf, connected, parent, leaf, &target);
    if (rc == err::Success && recordDate)
        recordDate->RecordDate();
    return rc;
}

long DeleteValueByPath(Registry& registry, RegKey hive, const std::string& path, const char* name) {
    KeyHandle connected(registry);
    long rc = registry.Connect(hive, connected.out());
    if (rc != err::Success)
        return rc;
    return registry.DeleteValueAt(connected.get(), path.c_str(), name);
}

long DeleteTreeAt(Registry& registry, RegKey hive, const std::string& path) {
    KeyHandle connected(registry);
    long rc = registry.Connect(hive, connected.out());
    if (rc != err::Success)
        return rc;
    return registry.DeleteTree(connected.get(), path.c_str());
}

long DeleteValueOfKey(Registry& registry, RegKey hive, const std::string& path, const char* name) {
    KeyHandle connected(registry);
    KeyHandle key(registry);
    long rc = OpenForDelete(registry, hive, path, connected, key);
    if (rc != err::Success)
        return rc;
    return registry.DeleteValue(key.get(), name);
}

long DeleteSubkeyOf(Registry& registry, RegKey hive, const std::string& parentPath,
                    const std::string& subkey) {
    KeyHandle connected(registry);
    KeyHandle parent(registry);
    long rc = OpenForDelete(registry, hive, parentPath, connected, parent);
    if (rc != err::Success)
        return rc;
    return registry.DeleteKey(parent.get(), subkey.c_str());
}

int AtoiLikeC(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsCBlank(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulated as a magnitude so INT_MIN, one more than INT_MAX, is reachable; the
    // clamp stops it growing past the range.
    const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
    long long magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit)
            magnitude = limit;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

std::string FormatInt(int value) {
    return std::to_string(value);
}

std::string ExpandSystemRoot(const std::string& text, const std::string& windowsDir) {
    if (windowsDir.empty())
        return text;
    return ReplaceAll(text, kSystemRoot, windowsDir);
}

std::string CollapseSystemRoot(const std::string& text, const std::string& windowsDir) {
    return ReplaceAll(text, windowsDir, kSystemRoot);
}

}  // namespace tallowick
