#include "shell/preview_overlay.h"

#include <algorithm>
#include <cstring>
#include <set>

namespace tallowick {

namespace {

// Access rights that only a change needs (as the write-failure tracker counts them).
constexpr std::uint32_t kChangeRights =
    0x0002 | 0x0004 | 0x00010000 | 0x00040000 | 0x00080000 | 0x40000000 | 0x10000000 | 0x02000000;

std::string Fold(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return out;
}

std::string Join(const std::string& path, std::string_view sub) {
    std::string out = path;
    while (!sub.empty()) {
        const std::size_t cut = sub.find('\\');
        const std::string_view part = sub.substr(0, cut);
        if (!part.empty())
            out += (out.empty() ? "" : "\\") + std::string(part);
        if (cut == std::string_view::npos)
            break;
        sub.remove_prefix(cut + 1);
    }
    return out;
}

std::string Parent(const std::string& path) {
    const std::size_t cut = path.rfind('\\');
    return cut == std::string::npos ? std::string() : path.substr(0, cut);
}

std::string LastPart(const std::string& path) {
    const std::size_t cut = path.rfind('\\');
    return cut == std::string::npos ? path : path.substr(cut + 1);
}

struct FoldLess {
    bool operator()(const std::string& a, const std::string& b) const { return Fold(a) < Fold(b); }
};

}  // namespace

OverlayRegistry::~OverlayRegistry() = default;

bool OverlayRegistry::Resolve(RegKey key, const char* subKey, Place* place) const {
    if (*HiveName(key) != '\0') {
        *place = Place{key, ""};
    } else if (auto it = handles_.find(key); it != handles_.end()) {
        *place = it->second;
    } else {
        return false;
    }
    if (subKey != nullptr) {
        if (*subKey == '\\')
            return false;
        place->path = Join(place->path, subKey);
    }
    return true;
}

OverlayRegistry::Place OverlayRegistry::Stored(const Place& place) const {
    if (place.hive != hive::ClassesRoot)
        return place;
    const RegPlace stored =
        ClassesRootPlace(place.path, [this](RegKey root, const std::string& path) {
            return Exists(Place{root, path});
        });
    return Place{stored.hive, stored.path};
}

std::string OverlayRegistry::Id(const Place& place) const {
    return std::to_string(place.hive) + "|" + Fold(place.path);
}

bool OverlayRegistry::BaseHidden(const Place& place) const {
    Place at = place;
    for (;;) {
        auto it = nodes_.find(Id(at));
        if (it != nodes_.end() && it->second.hidesBase)
            return true;
        if (at.path.empty())
            return false;
        at.path = Parent(at.path);
    }
}

bool OverlayRegistry::BaseHas(const Place& place) const {
    KeyHandle key(base_);
    return base_.OpenKey(place.hive, place.path.c_str(), access::Read, key.out()) == err::Success;
}

bool OverlayRegistry::Exists(const Place& place) const {
    if (place.path.empty())
        return true;
    if (place.hive == hive::ClassesRoot)
        return Exists(Stored(place));
    auto it = nodes_.find(Id(place));
    if (it != nodes_.end() && it->second.created)
        return true;
    return !BaseHidden(place) && BaseHas(place);
}

std::optional<RegValue> OverlayRegistry::Value(const Place& named, const std::string& name) const {
    const Place place = Stored(named);
    auto it = nodes_.find(Id(place));
    if (it != nodes_.end()) {
        auto value = it->second.values.find(Fold(name));
        if (value != it->second.values.end())
            return value->second;
    }
    if (BaseHidden(place))
        return std::nullopt;
    KeyHandle key(base_);
    RegValue value;
    if (base_.OpenKey(place.hive, place.path.c_str(), access::Read, key.out()) != err::Success ||
        QueryValueWhole(base_, key.get(), name.c_str(), &value) != err::Success) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string> OverlayRegistry::SubkeyNames(const Place& place) const {
    std::set<std::string, FoldLess> names;
    if (place.hive == hive::ClassesRoot) {
        // Both copies' subkeys, each name once.
        const std::string below = Join("Software\\Classes", place.path);
        for (RegKey root : {hive::CurrentUser, hive::LocalMachine}) {
            if (Exists(Place{root, below})) {
                for (const std::string& name : SubkeyNames(Place{root, below}))
                    names.insert(name);
            }
        }
        return {names.begin(), names.end()};
    }
    if (!BaseHidden(place)) {
        KeyHandle key(base_);
        if (base_.OpenKey(place.hive, place.path.c_str(), access::Read, key.out()) ==
            err::Success) {
            char name[1024];
            for (std::uint32_t i = 0;
                 base_.EnumKey(key.get(), i, name, sizeof name) == err::Success; ++i) {
                names.insert(name);
            }
        }
    }
    const std::string prefix = Id(place) + (place.path.empty() ? "" : "\\");
    for (auto it = nodes_.lower_bound(prefix);
         it != nodes_.end() && it->first.compare(0, prefix.size(), prefix) == 0; ++it) {
        if (it->second.created && it->first.find('\\', prefix.size()) == std::string::npos)
            names.insert(it->second.name);
    }
    std::vector<std::string> out;
    for (const std::string& name : names) {
        if (Exists(Place{place.hive, Join(place.path, name)}))
            out.push_back(name);
    }
    return out;
}

std::vector<std::string> OverlayRegistry::ValueNames(const Place& named) const {
    const Place place = Stored(named);
    std::set<std::string, FoldLess> names;
    if (!BaseHidden(place)) {
        KeyHandle key(base_);
        if (base_.OpenKey(place.hive, place.path.c_str(), access::Read, key.out()) ==
            err::Success) {
            std::vector<char> name(16384);
            for (std::uint32_t i = 0;; ++i) {
                std::uint32_t length = static_cast<std::uint32_t>(name.size());
                if (base_.EnumValue(key.get(), i, name.data(), &length, nullptr, nullptr,
                                    nullptr) != err::Success) {
                    break;
                }
                names.insert(std::string(name.data(), length));
            }
        }
    }
    if (auto it = nodes_.find(Id(place)); it != nodes_.end()) {
        for (const auto& [folded, written] : it->second.valueNames)
            names.insert(written);
    }
    std::vector<std::string> out;
    for (const std::string& name : names) {
        if (Value(place, name))
            out.push_back(name);
    }
    return out;
}

RegKey OverlayRegistry::NewHandle(const Place& place) {
    const RegKey handle = nextHandle_;
    nextHandle_ += 4;
    handles_[handle] = place;
    return handle;
}

long OverlayRegistry::Connect(RegKey hiveKey, RegKey* result) {
    if (*HiveName(hiveKey) == '\0')
        return err::InvalidHandle;
    *result = hiveKey;
    return err::Success;
}

long OverlayRegistry::OpenKey(RegKey key, const char* subKey, std::uint32_t accessMask,
                              RegKey* result) {
    *result = 0;
    Place place;
    if (!Resolve(key, subKey, &place))
        return err::InvalidHandle;
    if (!Exists(place))
        return err::FileNotFound;
    const Place stored = Stored(place);
    if ((accessMask & kChangeRights) && !BaseHidden(stored) && BaseHas(stored)) {
        KeyHandle probe(base_);
        long rc = base_.OpenKey(stored.hive, stored.path.c_str(), accessMask, probe.out());
        if (rc != err::Success)
            return rc;
    }
    *result = place.path.empty() ? place.hive : NewHandle(place);
    return err::Success;
}

long OverlayRegistry::CreateKey(RegKey key, const char* subKey, RegKey* result) {
    *result = 0;
    Place place;
    if (!Resolve(key, subKey, &place))
        return err::InvalidHandle;
    const Place stored = Stored(place);
    std::string path;
    for (std::string_view rest = stored.path; !rest.empty();) {
        const std::size_t cut = rest.find('\\');
        path = Join(path, rest.substr(0, cut));
        const Place at{stored.hive, path};
        if (!Exists(at)) {
            Node& node = nodes_[Id(at)];
            node.created = true;
            node.name = LastPart(path);
        }
        rest.remove_prefix(cut == std::string_view::npos ? rest.size() : cut + 1);
    }
    *result = place.path.empty() ? place.hive : NewHandle(place);
    return err::Success;
}

long OverlayRegistry::QueryValue(RegKey key, const char* name, std::uint32_t* type,
                                 std::uint8_t* data, std::uint32_t* size) {
    Place place;
    if (!Resolve(key, nullptr, &place))
        return err::InvalidHandle;
    if (!Exists(place))
        return err::KeyDeleted;
    std::optional<RegValue> value = Value(place, name ? name : "");
    if (!value)
        return err::FileNotFound;
    const auto length = static_cast<std::uint32_t>(value->data.size());
    if (data != nullptr && (size == nullptr || *size < length)) {
        if (size)
            *size = length;
        return err::MoreData;
    }
    if (data != nullptr && length > 0)
        std::memcpy(data, value->data.data(), length);
    if (type)
        *type = value->type;
    if (size)
        *size = length;
    return err::Success;
}

long OverlayRegistry::SetValue(RegKey key, const char* name, std::uint32_t type,
                               const std::uint8_t* data, std::uint32_t size) {
    Place place;
    if (!Resolve(key, nullptr, &place))
        return err::InvalidHandle;
    if (!Exists(place))
        return err::KeyDeleted;
    RegValue value{type, {}};
    if (data != nullptr && size > 0) {
        const bool text =
            type == regtype::Sz || type == regtype::ExpandSz || type == regtype::MultiSz;
        // The terminator rule of RegSetValueExA.
        const std::uint32_t stored =
            text && data[size - 1] != 0 && data[size] == 0 ? size + 1 : size;
        value.data.assign(data, data + stored);
    }
    const std::string written = name ? name : "";
    const Place stored = Stored(place);
    Node& node = nodes_[Id(stored)];
    if (node.name.empty())
        node.name = LastPart(stored.path);
    node.values[Fold(written)] = std::move(value);
    node.valueNames[Fold(written)] = written;
    return err::Success;
}

long OverlayRegistry::DeleteValue(RegKey key, const char* name) {
    Place place;
    if (!Resolve(key, nullptr, &place))
        return err::InvalidHandle;
    if (!Exists(place))
        return err::KeyDeleted;
    const std::string written = name ? name : "";
    if (!Value(place, written))
        return err::FileNotFound;
    Node& node = nodes_[Id(Stored(place))];
    node.values[Fold(written)] = std::nullopt;
    node.valueNames[Fold(written)] = written;
    return err::Success;
}

long OverlayRegistry::Delete(RegKey key, const char* subKey, bool tree) {
    Place named;
    if (!Resolve(key, subKey, &named))
        return err::InvalidHandle;
    if (named.path.empty())
        return err::AccessDenied;
    if (!Exists(named))
        return err::FileNotFound;
    // Through HKEY_CLASSES_ROOT, the copy shown goes: the user's first.
    const Place place = Stored(named);
    if (!tree && !SubkeyNames(place).empty())
        return err::AccessDenied;
    const std::string id = Id(place);
    const std::string below = id + "\\";
    for (auto it = nodes_.lower_bound(below);
         it != nodes_.end() && it->first.compare(0, below.size(), below) == 0;) {
        it = nodes_.erase(it);
    }
    Node& node = nodes_[id];
    node = Node{};
    node.hidesBase = true;
    node.name = LastPart(place.path);
    return err::Success;
}

long OverlayRegistry::DeleteKey(RegKey key, const char* subKey) {
    return Delete(key, subKey, false);
}

long OverlayRegistry::DeleteTree(RegKey key, const char* subKey) {
    return Delete(key, subKey, true);
}

long OverlayRegistry::DeleteValueAt(RegKey key, const char* subKey, const char* name) {
    Place place;
    if (!Resolve(key, subKey, &place))
        return err::InvalidHandle;
    if (!Exists(place))
        return err::FileNotFound;
    RegKey opened = NewHandle(place);
    long rc = DeleteValue(opened, name);
    handles_.erase(opened);
    return rc;
}

long OverlayRegistry::EnumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t nameSize) {
    Place place;
    if (!Resolve(key, nullptr, &place))
        return err::InvalidHandle;
    const std::vector<std::string> names = SubkeyNames(place);
    if (index >= names.size())
        return err::NoMoreItems;
    if (names[index].size() + 1 > nameSize)
        return err::MoreData;
    std::memcpy(name, names[index].c_str(), names[index].size() + 1);
    return err::Success;
}

long OverlayRegistry::EnumValue(RegKey key, std::uint32_t index, char* name,
                                std::uint32_t* nameLength, std::uint32_t* type, std::uint8_t* data,
                                std::uint32_t* dataSize) {
    Place place;
    if (!Resolve(key, nullptr, &place))
        return err::InvalidHandle;
    const std::vector<std::string> names = ValueNames(place);
    if (index >= names.size())
        return err::NoMoreItems;
    const std::string& found = names[index];
    if (nameLength == nullptr || found.size() + 1 > *nameLength)
        return err::MoreData;
    std::memcpy(name, found.c_str(), found.size() + 1);
    *nameLength = static_cast<std::uint32_t>(found.size());
    if (type == nullptr && data == nullptr && dataSize == nullptr)
        return err::Success;
    return QueryValue(key, found.c_str(), type, data, dataSize);
}

long OverlayRegistry::CloseKey(RegKey key) {
    if (*HiveName(key) != '\0')
        return err::Success;
    return handles_.erase(key) ? err::Success : err::InvalidHandle;
}

int OverlayHost::ShowMessageBox(std::uintptr_t, const std::string& text, const std::string&,
                                std::uint32_t style) {
    messages_.push_back(text);
    return (style & 0xF) == mb::YesNo ? mb::IdYes : mb::IdOk;
}

std::optional<std::string> OverlayHost::ReadWholeFile(const std::string& path) {
    if (auto it = files_.find(Fold(path)); it != files_.end())
        return it->second.bytes;
    return inner_.ReadWholeFile(path);
}

bool OverlayHost::WriteWholeFile(const std::string& path, const std::string& bytes) {
    File& file = files_[Fold(path)];
    if (!file.bytes && !file.attributes)
        file.attributes = inner_.AttributesOf(path);
    file.bytes = bytes;
    return true;
}

bool OverlayHost::AppendToFile(const std::string& path, const std::string& bytes) {
    return WriteWholeFile(path, ReadWholeFile(path).value_or(std::string()) + bytes);
}

bool OverlayHost::RemoveFile(const std::string& path) {
    if (!FileExists(path))
        return false;
    files_[Fold(path)] = File{};
    return true;
}

bool OverlayHost::RenameOver(const std::string& from, const std::string& to) {
    if (!FileExists(from))
        return false;
    File moved{ReadWholeFile(from), AttributesOf(from)};
    files_[Fold(from)] = File{};
    files_[Fold(to)] = std::move(moved);
    return true;
}

bool OverlayHost::FileExists(const std::string& path) {
    if (auto it = files_.find(Fold(path)); it != files_.end())
        return it->second.bytes.has_value();
    return inner_.FileExists(path);
}

std::optional<std::uint32_t> OverlayHost::AttributesOf(const std::string& path) {
    if (auto it = files_.find(Fold(path)); it != files_.end()) {
        if (!it->second.bytes)
            return std::nullopt;
        return it->second.attributes.value_or(fileattr::Archive);
    }
    return inner_.AttributesOf(path);
}

bool OverlayHost::ChangeAttributes(const std::string& path, std::uint32_t attributes) {
    if (!FileExists(path))
        return false;
    auto it = files_.find(Fold(path));
    if (it == files_.end())
        it = files_.emplace(Fold(path), File{inner_.ReadWholeFile(path), std::nullopt}).first;
    it->second.attributes = attributes;
    return true;
}

}  // namespace tallowick
