#include "platform/memory/memory_registry.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "platform/memory/registry_names.h"

namespace tallowick {

namespace {

// Access bits that the calls below need on the handle they are given.
constexpr std::uint32_t kQueryValue = 0x0001;
constexpr std::uint32_t kSetValue = 0x0002;
constexpr std::uint32_t kEnumerateSubKeys = 0x0008;
constexpr std::uint32_t kMaximumAllowed = 0x02000000;
constexpr std::uint32_t kGenericRead = 0x80000000;
constexpr std::uint32_t kGenericWrite = 0x40000000;
constexpr std::uint32_t kGenericAll = 0x10000000;

std::uint32_t EffectiveAccess(std::uint32_t mask) {
    if (mask & (kMaximumAllowed | kGenericAll))
        return access::AllAccess;
    if (mask & kGenericRead)
        mask |= access::Read;
    if (mask & kGenericWrite)
        mask |= access::Write;
    return mask;
}

bool IsPredefined(RegKey key) {
    return key == hive::ClassesRoot || key == hive::CurrentUser || key == hive::LocalMachine ||
           key == hive::Users;
}

bool IsStringType(std::uint32_t type) {
    return type == regtype::Sz || type == regtype::ExpandSz || type == regtype::MultiSz;
}

// Splits a subkey path on backslashes. Empty parts (doubled or trailing backslashes) are
// skipped as Windows does; a leading backslash is refused.
bool SplitPath(const char* subKey, std::vector<std::string_view>* parts) {
    parts->clear();
    if (subKey == nullptr || *subKey == '\0')
        return true;
    if (*subKey == '\\')
        return false;
    std::string_view rest(subKey);
    while (!rest.empty()) {
        std::size_t cut = rest.find('\\');
        std::string_view part = rest.substr(0, cut);
        if (!part.empty())
            parts->push_back(part);
        if (cut == std::string_view::npos)
            break;
        rest.remove_prefix(cut + 1);
    }
    return true;
}

std::string JoinPath(const std::string& base, const std::string& name) {
    return base.empty() ? name : base + "\\" + name;
}

}  // namespace

struct MemoryRegistry::Node {
    std::string name;
    std::map<std::string, std::shared_ptr<Node>, NameLess> children;
    std::map<std::string, RegValue, NameLess> values;
    bool deleted = false;

    std::shared_ptr<Node> Child(std::string_view childName) const {
        auto it = children.find(childName);
        return it == children.end() ? nullptr : it->second;
    }
    std::shared_ptr<Node> AddChild(std::string_view childName) {
        auto it = children.find(childName);
        if (it == children.end()) {
            auto child = std::make_shared<Node>();
            child->name = childName;
            it = children.emplace(child->name, std::move(child)).first;
        }
        return it->second;
    }
    void MarkDeleted() {
        deleted = true;
        for (auto& [childName, child] : children)
            child->MarkDeleted();
    }
};

// What a key handle stands for. Keys reached through HKEY_CLASSES_ROOT keep both copies
// of the key, so that lookups below them see the merged view too.
struct MemoryRegistry::Handle {
    RegKey hive = 0;
    std::string path;
    std::uint32_t access = access::AllAccess;
    std::shared_ptr<Node> node;     // every other hive: the key itself
    std::shared_ptr<Node> user;     // HKCR: HKCU\Software\Classes copy, or null
    std::shared_ptr<Node> machine;  // HKCR: HKLM\Software\Classes copy, or null

    bool Merged() const { return hive == hive::ClassesRoot; }
    // The copy whose values are shown and written: the user's where it has one.
    std::shared_ptr<Node> Shown() const {
        if (!Merged())
            return node && !node->deleted ? node : nullptr;
        if (user && !user->deleted)
            return user;
        if (machine && !machine->deleted)
            return machine;
        return nullptr;
    }
    // Moves this handle down to the key `name`, or stays and returns false when there is no
    // such key. The path grows in place: a copy of it for each level made deep keys slow.
    bool Descend(std::string_view name) {
        std::shared_ptr<Node> below, belowUser, belowMachine;
        if (!Merged()) {
            below = node ? node->Child(name) : nullptr;
        } else {
            belowUser = user ? user->Child(name) : nullptr;
            belowMachine = machine ? machine->Child(name) : nullptr;
        }
        const Node* found = !Merged()   ? below.get()
                            : belowUser ? belowUser.get()
                                        : belowMachine.get();
        if (!found)
            return false;
        if (!Merged()) {
            node = std::move(below);
        } else {
            user = std::move(belowUser);
            machine = std::move(belowMachine);
        }
        AppendName(found->name);
        return true;
    }
    void AppendName(std::string_view name) {
        if (!path.empty())
            path += '\\';
        path += name;
    }
    // A copy whose path has room for `extra` more characters, made in one allocation.
    Handle WithRoom(std::size_t extra) const {
        Handle copy;
        copy.hive = hive;
        copy.path.reserve(path.size() + extra);
        copy.path = path;
        copy.access = access;
        copy.node = node;
        copy.user = user;
        copy.machine = machine;
        return copy;
    }
    // The handle for `name` directly below this one, or false when it does not exist.
    bool Child(std::string_view name, Handle* out) const {
        *out = *this;
        return out->Descend(name);
    }
};

const char* RegOpName(RegOp op) {
    switch (op) {
        case RegOp::Connect:
            return "Connect";
        case RegOp::Open:
            return "Open";
        case RegOp::Create:
            return "Create";
        case RegOp::Query:
            return "Query";
        case RegOp::Set:
            return "Set";
        case RegOp::DeleteValue:
            return "DeleteValue";
        case RegOp::DeleteKey:
            return "DeleteKey";
        case RegOp::DeleteTree:
            return "DeleteTree";
        case RegOp::DeleteValueAt:
            return "DeleteValueAt";
        case RegOp::EnumKey:
            return "EnumKey";
        case RegOp::EnumValue:
            return "EnumValue";
    }
    return "?";
}

MemoryRegistry::MemoryRegistry()
    : machine_(std::make_shared<Node>()),
      user_(std::make_shared<Node>()),
      users_(std::make_shared<Node>()) {
    machine_->AddChild("SOFTWARE")->AddChild("Classes");
    user_->AddChild("Software")->AddChild("Classes");
    users_->AddChild(".DEFAULT");
    // HKEY_CURRENT_USER is this user's hive under HKEY_USERS.
    users_->children[kCurrentUserSid] = user_;
}

MemoryRegistry::~MemoryRegistry() = default;

const MemoryRegistry::Handle* MemoryRegistry::Resolve(RegKey key, Handle* predefined) const {
    if (IsPredefined(key)) {
        Handle* out = predefined;
        *out = Handle{};
        out->hive = key;
        if (key == hive::ClassesRoot) {
            out->user =
                user_->Child("Software") ? user_->Child("Software")->Child("Classes") : nullptr;
            out->machine = machine_->Child("SOFTWARE")
                               ? machine_->Child("SOFTWARE")->Child("Classes")
                               : nullptr;
        } else {
            out->node = key == hive::LocalMachine  ? machine_
                        : key == hive::CurrentUser ? user_
                                                   : users_;
        }
        return out;
    }
    auto it = handles_.find(key);
    return it == handles_.end() ? nullptr : it->second.get();
}

RegKey MemoryRegistry::AddHandle(Handle&& handle) {
    RegKey key = nextHandle_;
    nextHandle_ += 4;
    handles_[key] = std::make_unique<Handle>(std::move(handle));
    return key;
}

std::size_t MemoryRegistry::OpenHandleCount() const {
    return handles_.size();
}

void MemoryRegistry::FailOn(RegOp op, RegKey hiveKey, std::string path, long error) {
    faults_.push_back(Fault{op, hiveKey, std::move(path), error});
}

void MemoryRegistry::ClearFaults() {
    faults_.clear();
}

long MemoryRegistry::Faulted(RegOp op, RegKey hiveKey, const std::string& path) const {
    for (const Fault& fault : faults_) {
        if (fault.op != op || fault.hive != hiveKey)
            continue;
        if (fault.path.empty() || NamesEqual(path, fault.path) ||
            (path.size() > fault.path.size() && path[fault.path.size()] == '\\' &&
             NamesEqual(std::string_view(path).substr(0, fault.path.size()), fault.path))) {
            return fault.error;
        }
    }
    return err::Success;
}

long MemoryRegistry::Record(RegOp op, RegKey hiveKey, const std::string& path, const char* name,
                            long result) {
    if (!quiet_)
        calls_.push_back(RegCall{op, hiveKey, path, name ? name : "", result});
    return result;
}

long MemoryRegistry::Connect(RegKey hiveKey, RegKey* result) {
    *result = 0;
    if (!IsPredefined(hiveKey))
        return Record(RegOp::Connect, hiveKey, "", nullptr, err::InvalidHandle);
    if (long fault = Faulted(RegOp::Connect, hiveKey, "")) {
        return Record(RegOp::Connect, hiveKey, "", nullptr, fault);
    }
    *result = hiveKey;
    return Record(RegOp::Connect, hiveKey, "", nullptr, err::Success);
}

long MemoryRegistry::OpenKey(RegKey key, const char* subKey, std::uint32_t accessMask,
                             RegKey* result) {
    return OpenOrCreate(key, subKey, accessMask, false, result);
}

long MemoryRegistry::CreateKey(RegKey key, const char* subKey, RegKey* result) {
    return OpenOrCreate(key, subKey, kMaximumAllowed, true, result);
}

long MemoryRegistry::OpenOrCreate(RegKey key, const char* subKey, std::uint32_t accessMask,
                                  bool create, RegKey* result) {
    const RegOp op = create ? RegOp::Create : RegOp::Open;
    if (result == nullptr)
        return err::InvalidParameter;
    *result = 0;
    Handle predefined;
    const Handle* resolved = Resolve(key, &predefined);
    if (!resolved)
        return Record(op, 0, "", nullptr, err::InvalidHandle);
    const Handle& at = *resolved;
    // The whole path is only needed for faults and failures: deep keys made it costly.
    auto wanted = [&] { return JoinPath(at.path, subKey ? subKey : ""); };
    if (!at.Shown())
        return Record(op, at.hive, at.path, nullptr, err::KeyDeleted);
    std::vector<std::string_view> parts;
    if (!SplitPath(subKey, &parts))
        return Record(op, at.hive, wanted(), nullptr, err::BadPathname);
    if (long fault = faults_.empty() ? err::Success : Faulted(op, at.hive, wanted()))
        return Record(op, at.hive, wanted(), nullptr, fault);
    // A null or empty subkey gives the predefined key itself, or a new handle to the key.
    if (parts.empty() && IsPredefined(key)) {
        *result = key;
        return Record(op, at.hive, at.path, nullptr, err::Success);
    }
    Handle cur = at.WithRoom((subKey ? std::strlen(subKey) : 0) + 1);
    for (std::string_view part : parts) {
        if (cur.Descend(part))
            continue;
        if (!create)
            return Record(op, at.hive, wanted(), nullptr, err::FileNotFound);
        // Keys created through HKCR go to the machine's copy unless only the user has the
        // parent.
        if (!cur.Merged()) {
            cur.node = cur.node->AddChild(part);
        } else if (cur.machine && !cur.machine->deleted) {
            cur.machine = cur.machine->AddChild(part);
            cur.user = nullptr;
        } else if (cur.user && !cur.user->deleted) {
            cur.user = cur.user->AddChild(part);
            cur.machine = nullptr;
        } else {
            return Record(op, at.hive, wanted(), nullptr, err::KeyDeleted);
        }
        cur.AppendName(part);
    }
    cur.access = create ? access::AllAccess : EffectiveAccess(accessMask);
    const long rc = Record(op, at.hive, cur.path, nullptr, err::Success);
    *result = AddHandle(std::move(cur));
    return rc;
}

long MemoryRegistry::QueryValue(RegKey key, const char* name, std::uint32_t* type,
                                std::uint8_t* data, std::uint32_t* size) {
    Handle predefined;
    const Handle* resolved = Resolve(key, &predefined);
    if (!resolved)
        return Record(RegOp::Query, 0, "", name, err::InvalidHandle);
    const Handle& at = *resolved;
    auto node = at.Shown();
    if (!node)
        return Record(RegOp::Query, at.hive, at.path, name, err::KeyDeleted);
    if (data != nullptr && size == nullptr) {
        return Record(RegOp::Query, at.hive, at.path, name, err::InvalidParameter);
    }
    if (!(at.access & kQueryValue))
        return Record(RegOp::Query, at.hive, at.path, name, err::AccessDenied);
    if (long fault = Faulted(RegOp::Query, at.hive, at.path)) {
        return Record(RegOp::Query, at.hive, at.path, name, fault);
    }
    auto it = node->values.find(name ? name : "");
    if (it == node->values.end())
        return Record(RegOp::Query, at.hive, at.path, name, err::FileNotFound);
    const RegValue& value = it->second;
    const auto stored = static_cast<std::uint32_t>(value.data.size());
    if (type)
        *type = value.type;
    if (data != nullptr) {
        if (*size < stored) {
            *size = stored;
            return Record(RegOp::Query, at.hive, at.path, name, err::MoreData);
        }
        std::copy(value.data.begin(), value.data.end(), data);
        // An unterminated text gets a zero when there is room for it; the size stays.
        if (IsStringType(value.type) && stored > 0 && value.data.back() != 0 && *size > stored) {
            data[stored] = 0;
        }
    }
    if (size)
        *size = stored;
    return Record(RegOp::Query, at.hive, at.path, name, err::Success);
}

long MemoryRegistry::SetValue(RegKey key, const char* name, std::uint32_t type,
                              const std::uint8_t* data, std::uint32_t size) {
    Handle predefined;
    const Handle* resolved = Resolve(key, &predefined);
    if (!resolved)
        return Record(RegOp::Set, 0, "", name, err::InvalidHandle);
    const Handle& at = *resolved;
    auto node = at.Shown();
    if (!node)
        return Record(RegOp::Set, at.hive, at.path, name, err::KeyDeleted);
    if (size > 0 && data == nullptr)
        return Record(RegOp::Set, at.hive, at.path, name, err::InvalidParameter);
    if (!(at.access & kSetValue))
        return Record(RegOp::Set, at.hive, at.path, name, err::AccessDenied);
    if (long fault = Faulted(RegOp::Set, at.hive, at.path)) {
        return Record(RegOp::Set, at.hive, at.path, name, fault);
    }
    // Windows counts the terminating zero of a text passed with its length only.
    if (IsStringType(type) && size > 0 && data[size - 1] != 0 && data[size] == 0)
        ++size;
    RegValue& value = node->values[name ? name : ""];
    value.type = type;
    value.data.assign(data, data + size);
    return Record(RegOp::Set, at.hive, at.path, name, err::Success);
}

long MemoryRegistry::DeleteValue(RegKey key, const char* name) {
    Handle predefined;
    const Handle* resolved = Resolve(key, &predefined);
    if (!resolved)
        return Record(RegOp::DeleteValue, 0, "", name, err::InvalidHandle);
    const Handle& at = *resolved;
    auto node = at.Shown();
    if (!node)
        return Record(RegOp::DeleteValue, at.hive, at.path, name, err::KeyDeleted);
    if (!(at.access & kSetValue)) {
        return Record(RegOp::DeleteValue, at.hive, at.path, name, err::AccessDenied);
    }
    if (long fault = Faulted(RegOp::DeleteValue, at.hive, at.path)) {
        return Record(RegOp::DeleteValue, at.hive, at.path, name, fault);
    }
    auto it = node->values.find(name ? name : "");
    if (it == node->values.end()) {
        return Record(RegOp::DeleteValue, at.hive, at.path, name, err::FileNotFound);
    }
    node->values.erase(it);
    return Record(RegOp::DeleteValue, at.hive, at.path, name, err::Success);
}

long MemoryRegistry::DeleteKey(RegKey key, const char* subKey) {
    return DeleteSubkey(key, subKey, false, RegOp::DeleteKey);
}

long MemoryRegistry::DeleteTree(RegKey key, const char* subKey) {
    return DeleteSubkey(key, subKey, true, RegOp::DeleteTree);
}

long MemoryRegistry::DeleteSubkey(RegKey key, const char* subKey, bool recursive, RegOp op) {
    Handle predefined;
    const Handle* resolved = Resolve(key, &predefined);
    if (!resolved)
        return Record(op, 0, "", nullptr, err::InvalidHandle);
    const Handle& at = *resolved;
    const std::string wanted = JoinPath(at.path, subKey ? subKey : "");
    if (!at.Shown())
        return Record(op, at.hive, wanted, nullptr, err::KeyDeleted);
    std::vector<std::string_view> parts;
    if (!SplitPath(subKey, &parts))
        return Record(op, at.hive, wanted, nullptr, err::BadPathname);
    // Deleting a hive itself is never allowed.
    if (parts.empty())
        return Record(op, at.hive, wanted, nullptr, err::AccessDenied);
    Handle parent = at;
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        Handle next;
        if (!parent.Child(parts[i], &next))
            return Record(op, at.hive, wanted, nullptr, err::FileNotFound);
        parent = std::move(next);
    }
    Handle target;
    if (!parent.Child(parts.back(), &target)) {
        return Record(op, at.hive, wanted, nullptr, err::FileNotFound);
    }
    if (long fault = Faulted(op, at.hive, target.path))
        return Record(op, at.hive, target.path, nullptr, fault);
    // Through HKCR the user's copy goes first; a second delete removes the machine's.
    std::shared_ptr<Node> owner =
        parent.Merged() ? (target.user ? parent.user : parent.machine) : parent.node;
    auto victim = owner->Child(parts.back());
    if (!recursive && !victim->children.empty()) {
        return Record(op, at.hive, target.path, nullptr, err::AccessDenied);
    }
    victim->MarkDeleted();
    owner->children.erase(owner->children.find(parts.back()));
    return Record(op, at.hive, target.path, nullptr, err::Success);
}

long MemoryRegistry::DeleteValueAt(RegKey key, const char* subKey, const char* name) {
    Handle predefined;
    const Handle* resolved = Resolve(key, &predefined);
    if (!resolved)
        return Record(RegOp::DeleteValueAt, 0, "", name, err::InvalidHandle);
    const Handle& at = *resolved;
    const std::string path = JoinPath(at.path, subKey ? subKey : "");
    if (long fault = Faulted(RegOp::DeleteValueAt, at.hive, path)) {
        return Record(RegOp::DeleteValueAt, at.hive, path, name, fault);
    }
    RegKey opened = 0;
    long rc = OpenKey(key, subKey, kSetValue, &opened);
    if (rc == err::Success) {
        rc = DeleteValue(opened, name);
        CloseKey(opened);
    }
    return Record(RegOp::DeleteValueAt, at.hive, path, name, rc);
}

long MemoryRegistry::EnumKey(RegKey key, std::uint32_t index, char* name, std::uint32_t nameSize) {
    Handle predefined;
    const Handle* resolved = Resolve(key, &predefined);
    if (!resolved)
        return Record(RegOp::EnumKey, 0, "", nullptr, err::InvalidHandle);
    const Handle& at = *resolved;
    if (!at.Shown())
        return Record(RegOp::EnumKey, at.hive, at.path, nullptr, err::KeyDeleted);
    if (!(at.access & kEnumerateSubKeys)) {
        return Record(RegOp::EnumKey, at.hive, at.path, nullptr, err::AccessDenied);
    }
    if (long fault = Faulted(RegOp::EnumKey, at.hive, at.path)) {
        return Record(RegOp::EnumKey, at.hive, at.path, nullptr, fault);
    }
    // Through HKCR the subkeys of both copies show, each name once.
    std::set<std::string_view, NameLess> merged;
    if (at.Merged()) {
        for (const auto& copy : {at.user, at.machine}) {
            if (!copy || copy->deleted)
                continue;
            for (const auto& [childName, child] : copy->children)
                merged.insert(childName);
        }
    }
    const std::size_t count = at.Merged() ? merged.size() : at.node->children.size();
    if (index >= count)
        return Record(RegOp::EnumKey, at.hive, at.path, nullptr, err::NoMoreItems);
    const std::string_view found = at.Merged() ? *std::next(merged.begin(), index)
                                               : std::next(at.node->children.begin(), index)->first;
    if (name == nullptr || nameSize <= found.size()) {
        return Record(RegOp::EnumKey, at.hive, at.path, nullptr, err::MoreData);
    }
    std::memcpy(name, found.data(), found.size());
    name[found.size()] = '\0';
    return Record(RegOp::EnumKey, at.hive, at.path, nullptr, err::Success);
}

long MemoryRegistry::EnumValue(RegKey key, std::uint32_t index, char* name,
                               std::uint32_t* nameLength, std::uint32_t* type, std::uint8_t* data,
                               std::uint32_t* dataSize) {
    Handle predefined;
    const Handle* resolved = Resolve(key, &predefined);
    if (!resolved)
        return Record(RegOp::EnumValue, 0, "", nullptr, err::InvalidHandle);
    const Handle& at = *resolved;
    auto node = at.Shown();
    if (!node)
        return Record(RegOp::EnumValue, at.hive, at.path, nullptr, err::KeyDeleted);
    if (name == nullptr || nameLength == nullptr || (data != nullptr && dataSize == nullptr)) {
        return Record(RegOp::EnumValue, at.hive, at.path, nullptr, err::InvalidParameter);
    }
    if (!(at.access & kQueryValue)) {
        return Record(RegOp::EnumValue, at.hive, at.path, nullptr, err::AccessDenied);
    }
    if (long fault = Faulted(RegOp::EnumValue, at.hive, at.path)) {
        return Record(RegOp::EnumValue, at.hive, at.path, nullptr, fault);
    }
    if (index >= node->values.size()) {
        return Record(RegOp::EnumValue, at.hive, at.path, nullptr, err::NoMoreItems);
    }
    const auto& [found, value] = *std::next(node->values.begin(), index);
    const auto stored = static_cast<std::uint32_t>(value.data.size());
    if (*nameLength <= found.size())
        return Record(RegOp::EnumValue, at.hive, at.path, nullptr, err::MoreData);
    if (data != nullptr && *dataSize < stored) {
        *dataSize = stored;
        return Record(RegOp::EnumValue, at.hive, at.path, found.c_str(), err::MoreData);
    }
    std::memcpy(name, found.c_str(), found.size() + 1);
    *nameLength = static_cast<std::uint32_t>(found.size());
    if (type)
        *type = value.type;
    if (data != nullptr) {
        std::copy(value.data.begin(), value.data.end(), data);
        if (IsStringType(value.type) && stored > 0 && value.data.back() != 0 &&
            *dataSize > stored) {
            data[stored] = 0;
        }
    }
    if (dataSize)
        *dataSize = stored;
    return Record(RegOp::EnumValue, at.hive, at.path, found.c_str(), err::Success);
}

long MemoryRegistry::CloseKey(RegKey key) {
    if (IsPredefined(key))
        return err::Success;
    return handles_.erase(key) ? err::Success : err::InvalidHandle;
}

}  // namespace tallowick
