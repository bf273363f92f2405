#include "shell/change_recorder.h"

namespace tallowick {

namespace {

// Drops the empty parts doubled or trailing backslashes make, as the registry does.
std::string CleanPath(std::string_view path) {
    std::string out;
    while (!path.empty()) {
        const std::size_t cut = path.find('\\');
        const std::string_view part = path.substr(0, cut);
        if (!part.empty()) {
            if (!out.empty())
                out += '\\';
            out += part;
        }
        if (cut == std::string_view::npos)
            break;
        path.remove_prefix(cut + 1);
    }
    return out;
}

bool KeyExists(Registry& registry, RegKey hive, const std::string& path) {
    KeyHandle key(registry);
    return registry.OpenKey(hive, path.c_str(), access::Read, key.out()) == err::Success;
}

}  // namespace

bool IsSecretValueName(std::string_view name) {
    constexpr std::string_view kWord = "password";
    for (std::size_t i = 0; i + kWord.size() <= name.size(); ++i) {
        std::size_t j = 0;
        while (j < kWord.size() && (name[i + j] | 0x20) == kWord[j])
            ++j;
        if (j == kWord.size())
            return true;
    }
    return false;
}

JournalingRegistry::Place JournalingRegistry::Locate(RegKey key, const char* subKey) const {
    Place place;
    if (*HiveName(key) != '\0') {
        place.hive = key;
    } else if (auto it = places_.find(key); it != places_.end()) {
        place = it->second;
    } else {
        return {};
    }
    if (subKey != nullptr && *subKey != '\0')
        place.path = CleanPath(place.path + "\\" + subKey);
    return place;
}

void JournalingRegistry::Opened(long rc, const Place& place, RegKey* result) {
    if (rc == err::Success && result != nullptr && *HiveName(*result) == '\0' && place.hive != 0)
        places_[*result] = place;
}

// A change through HKEY_CLASSES_ROOT is recorded at the copy it changes, so that one place
// has one name however the tweak reached it.
JournalingRegistry::Place JournalingRegistry::Stored(const Place& place) {
    const RegPlace stored = StoredPlace(inner_, RegPlace{place.hive, place.path});
    return Place{stored.hive, stored.path};
}

void JournalingRegistry::RecordValue(const Place& named, const char* name) {
    if (named.hive == 0)
        return;
    const Place place = Stored(named);
    ChangeStep step;
    step.kind = ChangeStep::Kind::Value;
    step.hive = place.hive;
    step.path = place.path;
    step.name = name != nullptr ? name : "";
    step.secret = IsSecretValueName(step.name);
    // Read through a handle of our own: the caller's may lack the right to query.
    KeyHandle key(inner_);
    RegValue value;
    if (inner_.OpenKey(place.hive, place.path.c_str(), access::Read, key.out()) == err::Success &&
        QueryValueWhole(inner_, key.get(), step.name.c_str(), &value) == err::Success) {
        if (!step.secret)
            step.before = std::move(value);
        else
            step.before = RegValue{};  // present, data not kept
    }
    steps_.push_back(std::move(step));
}

void JournalingRegistry::RecordCreate(const Place& named) {
    if (named.hive == 0)
        return;
    const Place place = Stored(named);
    if (KeyExists(inner_, place.hive, place.path))
        return;
    // The topmost key that is missing: deleting it removes everything the create adds.
    std::string path;
    std::string_view rest = place.path;
    while (!rest.empty()) {
        const std::size_t cut = rest.find('\\');
        path += (path.empty() ? "" : "\\") + std::string(rest.substr(0, cut));
        if (!KeyExists(inner_, place.hive, path))
            break;
        rest.remove_prefix(cut == std::string_view::npos ? rest.size() : cut + 1);
    }
    ChangeStep step;
    step.kind = ChangeStep::Kind::KeyCreated;
    step.hive = place.hive;
    step.path = path;
    steps_.push_back(std::move(step));
}

void JournalingRegistry::RecordTree(const Place& named) {
    if (named.hive == 0 || named.path.empty())
        return;
    const Place place = Stored(named);
    ChangeStep step;
    step.kind = ChangeStep::Kind::KeyDeleted;
    step.hive = place.hive;
    step.path = place.path;
    if (ReadRegTree(inner_, place.hive, place.path, &step.tree) != err::Success)
        return;  // nothing there to delete
    for (RegTextKey& key : step.tree) {
        for (RegTextValue& value : key.values) {
            if (IsSecretValueName(value.name))
                value.value = RegValue{};
        }
    }
    steps_.push_back(std::move(step));
}

long JournalingRegistry::Connect(RegKey hiveKey, RegKey* result) {
    long rc = inner_.Connect(hiveKey, result);
    Opened(rc, Place{hiveKey, ""}, result);
    return rc;
}

long JournalingRegistry::OpenKey(RegKey key, const char* subKey, std::uint32_t accessMask,
                                 RegKey* result) {
    long rc = inner_.OpenKey(key, subKey, accessMask, result);
    Opened(rc, Locate(key, subKey), result);
    return rc;
}

long JournalingRegistry::CreateKey(RegKey key, const char* subKey, RegKey* result) {
    const Place place = Locate(key, subKey);
    const std::size_t mark = steps_.size();
    RecordCreate(place);
    long rc = inner_.CreateKey(key, subKey, result);
    if (rc != err::Success)
        steps_.resize(mark);
    Opened(rc, place, result);
    return rc;
}

long JournalingRegistry::QueryValue(RegKey key, const char* name, std::uint32_t* type,
                                    std::uint8_t* data, std::uint32_t* size) {
    return inner_.QueryValue(key, name, type, data, size);
}

// A change that fails changed nothing, so its step goes again.
long JournalingRegistry::SetValue(RegKey key, const char* name, std::uint32_t type,
                                  const std::uint8_t* data, std::uint32_t size) {
    const std::size_t mark = steps_.size();
    RecordValue(Locate(key), name);
    long rc = inner_.SetValue(key, name, type, data, size);
    if (rc != err::Success)
        steps_.resize(mark);
    return rc;
}

long JournalingRegistry::DeleteValue(RegKey key, const char* name) {
    const std::size_t mark = steps_.size();
    RecordValue(Locate(key), name);
    long rc = inner_.DeleteValue(key, name);
    if (rc != err::Success)
        steps_.resize(mark);
    return rc;
}

long JournalingRegistry::DeleteKey(RegKey key, const char* subKey) {
    const std::size_t mark = steps_.size();
    RecordTree(Locate(key, subKey));
    long rc = inner_.DeleteKey(key, subKey);
    if (rc != err::Success)
        steps_.resize(mark);
    return rc;
}

long JournalingRegistry::DeleteTree(RegKey key, const char* subKey) {
    const std::size_t mark = steps_.size();
    RecordTree(Locate(key, subKey));
    long rc = inner_.DeleteTree(key, subKey);
    if (rc != err::Success)
        steps_.resize(mark);
    return rc;
}

long JournalingRegistry::DeleteValueAt(RegKey key, const char* subKey, const char* name) {
    const std::size_t mark = steps_.size();
    RecordValue(Locate(key, subKey), name);
    long rc = inner_.DeleteValueAt(key, subKey, name);
    if (rc != err::Success)
        steps_.resize(mark);
    return rc;
}

long JournalingRegistry::EnumKey(RegKey key, std::uint32_t index, char* name,
                                 std::uint32_t nameSize) {
    return inner_.EnumKey(key, index, name, nameSize);
}

long JournalingRegistry::EnumValue(RegKey key, std::uint32_t index, char* name,
                                   std::uint32_t* nameLength, std::uint32_t* type,
                                   std::uint8_t* data, std::uint32_t* dataSize) {
    return inner_.EnumValue(key, index, name, nameLength, type, data, dataSize);
}

long JournalingRegistry::CloseKey(RegKey key) {
    places_.erase(key);
    return inner_.CloseKey(key);
}

void JournalingHost::RecordFile(const std::string& path) {
    ChangeStep step;
    step.kind = ChangeStep::Kind::File;
    step.file = path;
    if (inner_.FileExists(path)) {
        step.fileBefore = inner_.ReadWholeFile(path);
        step.attributesBefore = inner_.AttributesOf(path);
        // A file that exists but cannot be read cannot be put back: nothing to record
        // beyond the fact, and the write will most likely fail as well.
        if (!step.fileBefore)
            return;
    }
    steps_.push_back(std::move(step));
}

bool JournalingHost::WriteWholeFile(const std::string& path, const std::string& bytes) {
    // A failed write may still have truncated the file, so its step stays.
    RecordFile(path);
    return inner_.WriteWholeFile(path, bytes);
}

bool JournalingHost::AppendToFile(const std::string& path, const std::string& bytes) {
    RecordFile(path);
    return inner_.AppendToFile(path, bytes);
}

bool JournalingHost::RemoveFile(const std::string& path) {
    const std::size_t mark = steps_.size();
    RecordFile(path);
    const bool ok = inner_.RemoveFile(path);
    if (!ok)
        steps_.resize(mark);
    return ok;
}

bool JournalingHost::RenameOver(const std::string& from, const std::string& to) {
    const std::size_t mark = steps_.size();
    RecordFile(to);
    RecordFile(from);
    const bool ok = inner_.RenameOver(from, to);
    if (!ok)
        steps_.resize(mark);
    return ok;
}

bool JournalingHost::ChangeAttributes(const std::string& path, std::uint32_t attributes) {
    ChangeStep step;
    step.kind = ChangeStep::Kind::Attributes;
    step.file = path;
    step.attributesBefore = inner_.AttributesOf(path);
    const bool ok = inner_.ChangeAttributes(path, attributes);
    if (ok && step.attributesBefore)
        steps_.push_back(std::move(step));
    return ok;
}

}  // namespace tallowick
