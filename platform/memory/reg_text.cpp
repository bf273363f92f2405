// `.reg` text for the in-memory registry: the format regedit exports, so test fixtures
// can be read, written and compared as plain text.
#include <cstdio>
#include <string>
#include <vector>

#include "platform/memory/memory_registry.h"
#include "platform/memory/registry_names.h"

namespace tallowick {

class MemoryRegistry::Unobserved {
  public:
    explicit Unobserved(MemoryRegistry& registry)
        : registry_(registry),
          faults_(std::move(registry.faults_)),
          callCount_(registry.calls_.size()) {
        registry.faults_.clear();
    }
    ~Unobserved() {
        registry_.faults_ = std::move(faults_);
        registry_.calls_.resize(callCount_);
    }

  private:
    MemoryRegistry& registry_;
    std::vector<Fault> faults_;
    std::size_t callCount_;
};

namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";

bool IsWideText(std::uint32_t type) {
    return type == regtype::Sz || type == regtype::ExpandSz || type == regtype::MultiSz;
}

RegKey HiveByName(std::string_view name) {
    struct Entry {
        std::string_view longName, shortName;
        RegKey key;
    };
    static const Entry kHives[] = {{"HKEY_LOCAL_MACHINE", "HKLM", hive::LocalMachine},
                                   {"HKEY_CURRENT_USER", "HKCU", hive::CurrentUser},
                                   {"HKEY_CLASSES_ROOT", "HKCR", hive::ClassesRoot},
                                   {"HKEY_USERS", "HKU", hive::Users}};
    for (const Entry& e : kHives) {
        if (NamesEqual(name, e.longName) || NamesEqual(name, e.shortName))
            return e.key;
    }
    return 0;
}

std::string Quote(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

// A text value can be written as a quoted string when it is printable and ends in its
// one terminating zero; anything else keeps its exact bytes as hex.
bool Quotable(const std::vector<std::uint8_t>& data) {
    if (data.empty() || data.back() != 0)
        return false;
    for (std::size_t i = 0; i + 1 < data.size(); ++i) {
        if (data[i] < 0x20)
            return false;
    }
    return true;
}

std::string HexBytes(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    char buf[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02x", bytes[i]);
        if (i)
            out += ',';
        out += buf;
    }
    return out;
}

// Version 5 files hold texts as UTF-16LE; our texts are 8-bit, taken as Latin-1.
std::vector<std::uint8_t> Widen(const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> out;
    for (std::uint8_t b : bytes) {
        out.push_back(b);
        out.push_back(0);
    }
    return out;
}

std::vector<std::uint8_t> Narrow(const std::vector<std::uint8_t>& wide) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < wide.size(); i += 2) {
        out.push_back(wide[i + 1] == 0 ? wide[i] : '?');
    }
    return out;
}

std::string FormatValue(const RegValue& value) {
    if (value.type == regtype::Sz && Quotable(value.data)) {
        return Quote(std::string_view(reinterpret_cast<const char*>(value.data.data()),
                                      value.data.size() - 1));
    }
    if (value.type == regtype::Dword && value.data.size() == 4) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "dword:%08x", NumberFromBytes(value.data));
        return buf;
    }
    if (value.type == regtype::Binary)
        return "hex:" + HexBytes(value.data);
    char prefix[24];
    std::snprintf(prefix, sizeof prefix, "hex(%x):", value.type);
    return prefix + HexBytes(IsWideText(value.type) ? Widen(value.data) : value.data);
}

struct Cursor {
    std::string_view line;
    std::size_t pos = 0;
    bool AtEnd() const { return pos >= line.size(); }
    char Peek() const { return AtEnd() ? '\0' : line[pos]; }
};

// Reads a quoted string starting at the opening quote, with \\ and \" escapes.
bool ReadQuoted(Cursor* c, std::string* out) {
    if (c->Peek() != '"')
        return false;
    ++c->pos;
    out->clear();
    while (!c->AtEnd()) {
        char ch = c->line[c->pos++];
        if (ch == '"')
            return true;
        if (ch == '\\' && !c->AtEnd())
            ch = c->line[c->pos++];
        *out += ch;
    }
    return false;
}

std::string_view Trim(std::string_view s) {
    std::size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string_view::npos)
        return {};
    std::size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

bool ParseHexList(std::string_view text, std::vector<std::uint8_t>* out) {
    out->clear();
    text = Trim(text);
    while (!text.empty()) {
        std::size_t comma = text.find(',');
        std::string_view byte = Trim(text.substr(0, comma));
        if (byte.empty() || byte.size() > 2 ||
            byte.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
            return false;
        }
        out->push_back(static_cast<std::uint8_t>(std::stoul(std::string(byte), nullptr, 16)));
        if (comma == std::string_view::npos)
            break;
        text.remove_prefix(comma + 1);
        if (Trim(text).empty())
            return false;
    }
    return true;
}

bool ParseData(std::string_view text, bool unicode, RegValue* value, bool* remove) {
    *remove = false;
    if (text == "-") {
        *remove = true;
        return true;
    }
    if (!text.empty() && text[0] == '"') {
        Cursor c{text};
        std::string s;
        if (!ReadQuoted(&c, &s) || !c.AtEnd())
            return false;
        value->type = regtype::Sz;
        value->data.assign(s.begin(), s.end());
        value->data.push_back(0);
        return true;
    }
    if (text.substr(0, 6) == "dword:") {
        std::string_view digits = text.substr(6);
        if (digits.empty() || digits.size() > 8 ||
            digits.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos) {
            return false;
        }
        std::uint32_t n = std::stoul(std::string(digits), nullptr, 16);
        value->type = regtype::Dword;
        value->data = DwordBytes(n);
        return true;
    }
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    std::string_view kind = text.substr(0, colon);
    if (kind == "hex") {
        value->type = regtype::Binary;
    } else if (kind.size() > 5 && kind.substr(0, 4) == "hex(" && kind.back() == ')') {
        std::string_view num = kind.substr(4, kind.size() - 5);
        if (num.find_first_not_of("0123456789abcdefABCDEF") != std::string_view::npos)
            return false;
        value->type = std::stoul(std::string(num), nullptr, 16);
    } else {
        return false;
    }
    if (!ParseHexList(text.substr(colon + 1), &value->data))
        return false;
    if (unicode && IsWideText(value->type))
        value->data = Narrow(value->data);
    return true;
}

}  // namespace

bool MemoryRegistry::LoadRegText(std::string_view text, std::string* error) {
    Unobserved quiet(*this);
    auto fail = [&](std::size_t lineNo, const std::string& why) {
        if (error)
            *error = "line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    // Join hex lines continued with a trailing backslash, keeping the first line's number.
    std::vector<std::pair<std::size_t, std::string>> lines;
    std::size_t lineNo = 0;
    bool continued = false;
    while (!text.empty()) {
        std::size_t cut = text.find('\n');
        std::string_view raw = text.substr(0, cut);
        text.remove_prefix(cut == std::string_view::npos ? text.size() : cut + 1);
        ++lineNo;
        std::string_view line = Trim(raw);
        bool more =
            !line.empty() && line.back() == '\\' && line.find("=hex") != std::string_view::npos;
        if (continued) {
            more = !line.empty() && line.back() == '\\';
            lines.back().second += std::string(more ? line.substr(0, line.size() - 1) : line);
        } else {
            lines.emplace_back(lineNo, std::string(more ? line.substr(0, line.size() - 1) : line));
        }
        continued = more;
    }

    bool unicode = true;
    bool headerSeen = false;
    KeyHandle current(*this);
    for (const auto& [number, line] : lines) {
        if (line.empty() || line[0] == ';')
            continue;
        if (!headerSeen) {
            if (line == kHeader5) {
                unicode = true;
            } else if (line == kHeader4) {
                unicode = false;
            } else {
                return fail(number, "missing header");
            }
            headerSeen = true;
            continue;
        }
        if (line[0] == '[') {
            if (line.back() != ']')
                return fail(number, "unterminated key name");
            std::string_view name(line);
            name = name.substr(1, name.size() - 2);
            bool remove = !name.empty() && name[0] == '-';
            if (remove)
                name.remove_prefix(1);
            std::size_t slash = name.find('\\');
            RegKey root = HiveByName(name.substr(0, slash));
            if (root == 0)
                return fail(number, "unknown hive");
            std::string path(slash == std::string_view::npos ? "" : name.substr(slash + 1));
            current.Reset();
            if (remove) {
                if (!path.empty())
                    DeleteTree(root, path.c_str());
                continue;
            }
            if (CreateKey(root, path.c_str(), current.out()) != err::Success) {
                return fail(number, "cannot create key");
            }
            continue;
        }
        if (!current)
            return fail(number, "value outside a key");
        Cursor c{line};
        std::string name;
        if (c.Peek() == '@') {
            ++c.pos;
        } else if (!ReadQuoted(&c, &name)) {
            return fail(number, "bad value name");
        }
        std::string_view rest = Trim(std::string_view(line).substr(c.pos));
        if (rest.empty() || rest[0] != '=')
            return fail(number, "missing '='");
        RegValue value;
        bool remove = false;
        if (!ParseData(Trim(rest.substr(1)), unicode, &value, &remove)) {
            return fail(number, "bad value data");
        }
        if (remove) {
            DeleteValue(current.get(), name.c_str());
            continue;
        }
        // Stored exactly as given: append a guard byte so no terminator is added.
        value.data.push_back(1);
        SetValue(current.get(), name.c_str(), value.type, value.data.data(),
                 static_cast<std::uint32_t>(value.data.size() - 1));
    }
    if (!headerSeen)
        return fail(lineNo, "missing header");
    return true;
}

void MemoryRegistry::ExportKey(RegKey key, const std::string& fullName, std::string* out) {
    *out += "[" + fullName + "]\n";
    char name[1024];
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t nameLength = sizeof name;
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (EnumValue(key, i, name, &nameLength, &type, nullptr, &size) != err::Success)
            break;
        RegValue value;
        if (QueryValueWhole(*this, key, name, &value) != err::Success)
            continue;
        *out += (name[0] ? Quote(name) : std::string("@")) + "=" + FormatValue(value) + "\n";
    }
    *out += "\n";
    std::vector<std::string> children;
    for (std::uint32_t i = 0; EnumKey(key, i, name, sizeof name) == err::Success; ++i) {
        children.emplace_back(name);
    }
    for (const std::string& child : children) {
        KeyHandle sub(*this);
        if (OpenKey(key, child.c_str(), access::Read, sub.out()) == err::Success) {
            ExportKey(sub.get(), fullName + "\\" + child, out);
        }
    }
}

std::string MemoryRegistry::ExportRegText(RegKey hiveKey, std::string_view path) {
    Unobserved quiet(*this);
    std::string out = std::string(kHeader5) + "\n\n";
    KeyHandle key(*this);
    std::string subKey(path);
    if (OpenKey(hiveKey, subKey.c_str(), access::Read, key.out()) == err::Success) {
        ExportKey(key.get(), std::string(HiveName(hiveKey)) + (path.empty() ? "" : "\\") + subKey,
                  &out);
    }
    return out;
}

std::string MemoryRegistry::SaveRegText() {
    std::string out = ExportRegText(hive::LocalMachine, "");
    for (auto [hiveKey, path] :
         {std::pair{hive::CurrentUser, ""}, std::pair{hive::Users, ".DEFAULT"}}) {
        std::string part = ExportRegText(hiveKey, path);
        out += part.substr(kHeader5.size() + 2);
    }
    return out;
}

}  // namespace tallowick
