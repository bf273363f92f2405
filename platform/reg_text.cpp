#include "platform/reg_text.h"

#include <charconv>
#include <cstdio>
#include <optional>

namespace tallowick {

namespace {

constexpr std::string_view kHeader5 = "Windows Registry Editor Version 5.00";
constexpr std::string_view kHeader4 = "REGEDIT4";

bool IsWideText(std::uint32_t type) {
    return type == regtype::Sz || type == regtype::ExpandSz || type == regtype::MultiSz;
}

char Fold(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Fold(a[i]) != Fold(b[i]))
            return false;
    }
    return true;
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

// Hex digits as a number of the field's width; nothing for an empty text, another
// character, or a number the field cannot hold, which is refused rather than wrapped.
template <typename Number>
std::optional<Number> HexNumber(std::string_view digits) {
    Number number{};
    const char* last = digits.data() + digits.size();
    const auto [end, ec] = std::from_chars(digits.data(), last, number, 16);
    if (digits.empty() || ec != std::errc() || end != last)
        return std::nullopt;
    return number;
}

bool ParseHexList(std::string_view text, std::vector<std::uint8_t>* out) {
    out->clear();
    text = Trim(text);
    while (!text.empty()) {
        std::size_t comma = text.find(',');
        const std::string_view digits = Trim(text.substr(0, comma));
        const std::optional<std::uint8_t> byte = HexNumber<std::uint8_t>(digits);
        if (!byte || digits.size() > 2)
            return false;
        out->push_back(*byte);
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
        const std::string_view digits = text.substr(6);
        const std::optional<std::uint32_t> n = HexNumber<std::uint32_t>(digits);
        if (!n || digits.size() > 8)
            return false;
        value->type = regtype::Dword;
        value->data = DwordBytes(*n);
        return true;
    }
    std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return false;
    std::string_view kind = text.substr(0, colon);
    if (kind == "hex") {
        value->type = regtype::Binary;
    } else if (kind.size() > 5 && kind.substr(0, 4) == "hex(" && kind.back() == ')') {
        const std::optional<std::uint32_t> type =
            HexNumber<std::uint32_t>(kind.substr(4, kind.size() - 5));
        if (!type)
            return false;
        value->type = *type;
    } else {
        return false;
    }
    if (!ParseHexList(text.substr(colon + 1), &value->data))
        return false;
    if (unicode && IsWideText(value->type))
        value->data = Narrow(value->data);
    return true;
}

void AppendKeyName(std::string* out, RegKey hiveKey, std::string_view path) {
    *out += HiveName(hiveKey);
    if (!path.empty()) {
        *out += '\\';
        *out += path;
    }
}

std::string KeyName(RegKey hiveKey, std::string_view path) {
    std::string name;
    AppendKeyName(&name, hiveKey, path);
    return name;
}

// Saved texts name every level of a deep key in full, so they grow with the square of its
// depth: the keys are written straight into the one text.
void AppendRegKey(std::string* out, const RegTextKey& key, RegTextFormat format,
                  std::string_view newline) {
    *out += key.remove ? "[-" : "[";
    AppendKeyName(out, key.hive, key.path);
    *out += "]";
    *out += newline;
    if (!key.remove) {
        for (const RegTextValue& v : key.values) {
            *out += v.name.empty() ? std::string("@") : QuoteRegText(v.name);
            *out += "=";
            *out += v.remove ? std::string("-") : FormatRegData(v.value, format);
            *out += newline;
        }
    }
    *out += newline;
}

}  // namespace

RegKey RegHiveByName(std::string_view name) {
    struct Entry {
        std::string_view longName, shortName;
        RegKey key;
    };
    static const Entry kHives[] = {{"HKEY_LOCAL_MACHINE", "HKLM", hive::LocalMachine},
                                   {"HKEY_CURRENT_USER", "HKCU", hive::CurrentUser},
                                   {"HKEY_CLASSES_ROOT", "HKCR", hive::ClassesRoot},
                                   {"HKEY_USERS", "HKU", hive::Users}};
    for (const Entry& e : kHives) {
        if (SameName(name, e.longName) || SameName(name, e.shortName))
            return e.key;
    }
    return 0;
}

std::string QuoteRegText(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '\\' || c == '"')
            out += '\\';
        out += c;
    }
    return out + "\"";
}

std::string FormatRegData(const RegValue& value, RegTextFormat format) {
    if (value.type == regtype::Sz && Quotable(value.data)) {
        return QuoteRegText(std::string_view(reinterpret_cast<const char*>(value.data.data()),
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
    const bool wide = format == RegTextFormat::Regedit5 && IsWideText(value.type);
    return prefix + HexBytes(wide ? Widen(value.data) : value.data);
}

const char* RegTextHeader(RegTextFormat format) {
    return format == RegTextFormat::Regedit5 ? kHeader5.data() : kHeader4.data();
}

std::string WriteRegKey(const RegTextKey& key, RegTextFormat format, std::string_view newline) {
    std::string out;
    AppendRegKey(&out, key, format, newline);
    return out;
}

std::string WriteRegText(const RegTextDocument& document, std::string_view newline) {
    std::string out = RegTextHeader(document.format);
    out += newline;
    out += newline;
    for (const RegTextKey& key : document.keys)
        AppendRegKey(&out, key, document.format, newline);
    return out;
}

bool ParseRegText(std::string_view text, RegTextDocument* document, std::string* error) {
    auto fail = [&](std::size_t lineNo, const std::string& why) {
        if (error)
            *error = "line " + std::to_string(lineNo) + ": " + why;
        return false;
    };
    document->keys.clear();
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
    RegTextKey* current = nullptr;
    for (const auto& [number, line] : lines) {
        if (line.empty() || line[0] == ';')
            continue;
        if (!headerSeen) {
            if (line == kHeader5) {
                unicode = true;
                document->format = RegTextFormat::Regedit5;
            } else if (line == kHeader4) {
                unicode = false;
                document->format = RegTextFormat::Regedit4;
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
            RegTextKey key;
            key.line = number;
            key.remove = !name.empty() && name[0] == '-';
            if (key.remove)
                name.remove_prefix(1);
            std::size_t slash = name.find('\\');
            key.hive = RegHiveByName(name.substr(0, slash));
            if (key.hive == 0)
                return fail(number, "unknown hive");
            key.path = std::string(slash == std::string_view::npos ? "" : name.substr(slash + 1));
            document->keys.push_back(std::move(key));
            current = document->keys.back().remove ? nullptr : &document->keys.back();
            continue;
        }
        if (current == nullptr)
            return fail(number, "value outside a key");
        Cursor c{line};
        RegTextValue value;
        if (c.Peek() == '@') {
            ++c.pos;
        } else if (!ReadQuoted(&c, &value.name)) {
            return fail(number, "bad value name");
        }
        std::string_view rest = Trim(std::string_view(line).substr(c.pos));
        if (rest.empty() || rest[0] != '=')
            return fail(number, "missing '='");
        if (!ParseData(Trim(rest.substr(1)), unicode, &value.value, &value.remove)) {
            return fail(number, "bad value data");
        }
        current->values.push_back(std::move(value));
    }
    if (!headerSeen)
        return fail(lineNo, "missing header");
    return true;
}

long ApplyRegText(Registry& registry, const RegTextDocument& document, std::string* error) {
    auto fail = [&](const RegTextKey& key, const char* what, long rc) {
        if (error) {
            *error = (key.line ? "line " + std::to_string(key.line) + ": " : std::string()) + what +
                     " " + KeyName(key.hive, key.path);
        }
        return rc;
    };
    // A key listed right below the one before it, as saved texts list them, is made from
    // that key's handle: made from its hive, each key of a deep tree walked every level again.
    KeyHandle previous(registry);
    const RegTextKey* previousKey = nullptr;
    for (const RegTextKey& key : document.keys) {
        if (key.remove) {
            previous.Reset();
            previousKey = nullptr;
            // A whole hive is never deleted.
            if (key.path.empty())
                continue;
            long rc = registry.DeleteTree(key.hive, key.path.c_str());
            if (rc != err::Success && rc != err::FileNotFound)
                return fail(key, "cannot delete key", rc);
            continue;
        }
        RegKey base = key.hive;
        const char* subKey = key.path.c_str();
        if (previousKey && previousKey->hive == key.hive && !previousKey->path.empty()) {
            const std::string& above = previousKey->path;
            const std::size_t cut = above.size();
            if (key.path.size() > cut + 1 && key.path.starts_with(above) && key.path[cut] == '\\' &&
                key.path[cut + 1] != '\\') {
                base = previous.get();
                subKey += cut + 1;
            }
        }
        KeyHandle handle(registry);
        long rc = registry.CreateKey(base, subKey, handle.out());
        if (rc != err::Success)
            return fail(key, "cannot create key", rc);
        for (const RegTextValue& v : key.values) {
            if (v.remove) {
                rc = registry.DeleteValue(handle.get(), v.name.c_str());
                if (rc == err::FileNotFound)
                    rc = err::Success;
            } else {
                // Stored exactly as given: a guard byte after the data keeps a text's
                // missing terminator missing.
                std::vector<std::uint8_t> bytes = v.value.data;
                bytes.push_back(1);
                rc = registry.SetValue(handle.get(), v.name.c_str(), v.value.type, bytes.data(),
                                       static_cast<std::uint32_t>(v.value.data.size()));
            }
            if (rc != err::Success)
                return fail(key, v.remove ? "cannot delete a value of" : "cannot set a value of",
                            rc);
        }
        previous = std::move(handle);
        previousKey = &key;
    }
    return err::Success;
}

namespace {

// `name` is the one buffer for names the whole walk shares: one for each level of a deep
// tree cost more than the walk.
// `path` grows by each subkey's name on the way down and is cut back after it.
void ReadKey(Registry& registry, RegKey key, RegKey hiveKey, std::string& path,
             std::vector<char>& name, std::vector<RegTextKey>* keys) {
    RegTextKey out;
    out.hive = hiveKey;
    out.path = path;
    for (std::uint32_t i = 0;; ++i) {
        std::uint32_t nameLength = static_cast<std::uint32_t>(name.size());
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (registry.EnumValue(key, i, name.data(), &nameLength, &type, nullptr, &size) !=
            err::Success) {
            break;
        }
        RegTextValue value;
        value.name.assign(name.data(), nameLength);
        if (QueryValueWhole(registry, key, value.name.c_str(), &value.value) != err::Success)
            continue;
        out.values.push_back(std::move(value));
    }
    keys->push_back(std::move(out));
    std::vector<std::string> children;
    for (std::uint32_t i = 0;
         registry.EnumKey(key, i, name.data(), static_cast<std::uint32_t>(name.size())) ==
         err::Success;
         ++i) {
        children.emplace_back(name.data());
    }
    for (const std::string& child : children) {
        KeyHandle sub(registry);
        if (registry.OpenKey(key, child.c_str(), access::Read, sub.out()) == err::Success) {
            const std::size_t length = path.size();
            if (!path.empty())
                path += '\\';
            path += child;
            ReadKey(registry, sub.get(), hiveKey, path, name, keys);
            path.resize(length);
        }
    }
}

}  // namespace

long ReadRegTree(Registry& registry, RegKey hiveKey, std::string_view path,
                 std::vector<RegTextKey>* keys) {
    KeyHandle key(registry);
    std::string subKey(path);
    long rc = registry.OpenKey(hiveKey, subKey.c_str(), access::Read, key.out());
    if (rc != err::Success)
        return rc;
    std::vector<char> name(16384);
    ReadKey(registry, key.get(), hiveKey, subKey, name, keys);
    return err::Success;
}

}  // namespace tallowick
