#include "shell/change_journal.h"

#include <charconv>
#include <cstdio>
#include <set>

namespace tallowick {

namespace {

constexpr std::string_view kStart = "; ---- Tallowick change ----";
constexpr std::string_view kEnd = "; ---- end ";
constexpr std::string_view kAfter = "; after:";
constexpr std::string_view kCrLf = "\r\n";

std::string Fold(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    }
    return out;
}

std::string KeyText(RegKey hive, const std::string& path) {
    std::string name = HiveName(hive);
    return path.empty() ? name : name + "\\" + path;
}

std::string ValueText(RegKey hive, const std::string& path, const std::string& name) {
    return KeyText(hive, path) + " " + (name.empty() ? std::string("@") : QuoteRegText(name));
}

std::uint32_t Checksum(std::string_view bytes) {
    std::uint32_t hash = 2166136261u;  // FNV-1a
    for (char c : bytes) {
        hash ^= static_cast<std::uint8_t>(c);
        hash *= 16777619u;
    }
    return hash;
}

std::string Hex(std::string_view bytes) {
    std::string out;
    char buf[4];
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, i ? ",%02x" : "%02x", static_cast<std::uint8_t>(bytes[i]));
        out += buf;
    }
    return out;
}

bool Unhex(std::string_view text, std::string* out) {
    out->clear();
    auto digit = [](char c) {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        if (c >= 'A' && c <= 'F')
            return c - 'A' + 10;
        return -1;
    };
    for (std::size_t i = 0; i < text.size(); i += 3) {
        if (i + 2 > text.size() || digit(text[i]) < 0 || digit(text[i + 1]) < 0 ||
            (i + 2 < text.size() && text[i + 2] != ',')) {
            return false;
        }
        out->push_back(static_cast<char>(digit(text[i]) * 16 + digit(text[i + 1])));
    }
    return true;
}

// "path|hex:..|20", "path|absent|-" or "path|attributes|21": a file as it was or became.
std::string FormatFile(const FileState& file) {
    std::string out = file.path + "|";
    out += file.attributesOnly ? "attributes" : file.bytes ? "hex:" + Hex(*file.bytes) : "absent";
    char buf[16] = "-";
    if (file.attributes)
        std::snprintf(buf, sizeof buf, "%x", *file.attributes);
    return out + "|" + buf;
}

bool ParseFile(std::string_view text, FileState* file) {
    const std::size_t last = text.rfind('|');
    if (last == std::string_view::npos || last == 0)
        return false;
    const std::size_t middle = text.rfind('|', last - 1);
    if (middle == std::string_view::npos)
        return false;
    file->path = std::string(text.substr(0, middle));
    const std::string_view bytes = text.substr(middle + 1, last - middle - 1);
    const std::string_view attributes = text.substr(last + 1);
    file->attributesOnly = bytes == "attributes";
    if (bytes.substr(0, 4) == "hex:") {
        std::string data;
        if (!Unhex(bytes.substr(4), &data))
            return false;
        file->bytes = std::move(data);
    } else if (bytes != "absent" && !file->attributesOnly) {
        return false;
    }
    if (attributes != "-") {
        if (attributes.empty() || attributes.size() > 8 ||
            attributes.find_first_not_of("0123456789abcdef") != std::string_view::npos) {
            return false;
        }
        file->attributes =
            static_cast<std::uint32_t>(std::stoul(std::string(attributes), nullptr, 16));
    }
    return true;
}

// Adds a value to the document, in the last key's section when it is the same key.
void AddValue(RegTextDocument* doc, RegKey hive, const std::string& path, RegTextValue value) {
    if (doc->keys.empty() || doc->keys.back().remove || doc->keys.back().hive != hive ||
        Fold(doc->keys.back().path) != Fold(path)) {
        doc->keys.push_back(RegTextKey{hive, path, false, {}, 0});
    }
    doc->keys.back().values.push_back(std::move(value));
}

std::optional<RegValue> CurrentValue(Registry& registry, RegKey hive, const std::string& path,
                                     const std::string& name) {
    KeyHandle key(registry);
    RegValue value;
    if (registry.OpenKey(hive, path.c_str(), access::Read, key.out()) != err::Success ||
        QueryValueWhole(registry, key.get(), name.c_str(), &value) != err::Success) {
        return std::nullopt;
    }
    return value;
}

bool KeyPresent(Registry& registry, RegKey hive, const std::string& path) {
    KeyHandle key(registry);
    return registry.OpenKey(hive, path.c_str(), access::Read, key.out()) == err::Success;
}

std::string Shown(const std::optional<RegValue>& value) {
    return value ? FormatRegData(*value, RegTextFormat::Regedit4) : std::string("(none)");
}

bool SameValue(const std::optional<RegValue>& a, const std::optional<RegValue>& b) {
    if (a.has_value() != b.has_value())
        return false;
    return !a || (a->type == b->type && a->data == b->data);
}

bool SameTree(const std::vector<RegTextKey>& a, const std::vector<RegTextKey>& b) {
    return WriteRegText(RegTextDocument{RegTextFormat::Regedit4, a}) ==
           WriteRegText(RegTextDocument{RegTextFormat::Regedit4, b});
}

// A key tree with the data of its secret values left out; their names go to `secrets`.
std::vector<RegTextKey> WithoutSecrets(std::vector<RegTextKey> tree,
                                       std::vector<std::string>* secrets) {
    for (RegTextKey& key : tree) {
        std::vector<RegTextValue> kept;
        for (RegTextValue& value : key.values) {
            if (IsSecretValueName(value.name))
                secrets->push_back(ValueText(key.hive, key.path, value.name));
            else
                kept.push_back(std::move(value));
        }
        key.values = std::move(kept);
    }
    return tree;
}

void AddUnique(std::vector<std::string>* list, std::string text) {
    for (const std::string& s : *list) {
        if (s == text)
            return;
    }
    list->push_back(std::move(text));
}

}  // namespace

std::string FormatTime(const DateTime& time) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", time.date.year, time.date.month,
                  time.date.day, time.hour, time.minute, time.second);
    return buf;
}

JournalEntry MakeJournalEntry(const std::vector<ChangeStep>& steps, Registry& registry,
                              Host& host) {
    using Kind = ChangeStep::Kind;
    JournalEntry entry;

    // Before: the steps undone newest first, so that a key made and then filled is
    // emptied before it goes, and a tree deleted comes back after what replaced it went.
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        const ChangeStep& step = *it;
        switch (step.kind) {
            case Kind::Value:
                if (step.secret) {
                    AddUnique(&entry.secrets, ValueText(step.hive, step.path, step.name));
                    break;
                }
                AddValue(&entry.before, step.hive, step.path,
                         RegTextValue{step.name, !step.before, step.before.value_or(RegValue{})});
                break;
            case Kind::KeyCreated:
                entry.before.keys.push_back(RegTextKey{step.hive, step.path, true, {}, 0});
                break;
            case Kind::KeyDeleted: {
                entry.before.keys.push_back(RegTextKey{step.hive, step.path, true, {}, 0});
                std::vector<std::string> secrets;
                for (RegTextKey& key : WithoutSecrets(step.tree, &secrets))
                    entry.before.keys.push_back(std::move(key));
                for (std::string& s : secrets)
                    AddUnique(&entry.secrets, std::move(s));
                break;
            }
            case Kind::File:
                entry.filesBefore.push_back(
                    FileState{step.file, step.fileBefore, step.attributesBefore, false});
                break;
            case Kind::Attributes:
                entry.filesBefore.push_back(
                    FileState{step.file, std::nullopt, step.attributesBefore, true});
                break;
        }
    }

    // After and what changed: each place once, in the order it was first touched, as it
    // is now against how it was first.
    std::set<std::string> seen;
    std::vector<RegTextKey> afterTrees, afterKeys;
    RegTextDocument afterValues;
    for (const ChangeStep& step : steps) {
        const bool onFile = step.kind == Kind::File || step.kind == Kind::Attributes;
        const std::string place =
            std::to_string(static_cast<int>(step.kind)) + "|" +
            Fold(onFile ? step.file : KeyText(step.hive, step.path) + "\n" + step.name);
        if (!seen.insert(place).second)
            continue;
        switch (step.kind) {
            case Kind::Value: {
                const std::string where = ValueText(step.hive, step.path, step.name);
                std::optional<RegValue> now =
                    CurrentValue(registry, step.hive, step.path, step.name);
                if (step.secret) {
                    if (step.before || now)
                        entry.changes.push_back(where + ": changed (its data is not kept)");
                    AddUnique(&entry.secrets, where);
                    break;
                }
                if (SameValue(step.before, now))
                    break;
                entry.changes.push_back(where + ": " + Shown(step.before) + " -> " + Shown(now));
                if (KeyPresent(registry, step.hive, step.path)) {
                    AddValue(&afterValues, step.hive, step.path,
                             RegTextValue{step.name, !now, now.value_or(RegValue{})});
                }
                break;
            }
            case Kind::KeyCreated:
                if (KeyPresent(registry, step.hive, step.path)) {
                    entry.changes.push_back("Key created: " + KeyText(step.hive, step.path));
                    afterKeys.push_back(RegTextKey{step.hive, step.path, false, {}, 0});
                }
                break;
            case Kind::KeyDeleted: {
                std::vector<RegTextKey> now;
                const bool present =
                    ReadRegTree(registry, step.hive, step.path, &now) == err::Success;
                if (present && SameTree(now, step.tree))
                    break;
                entry.changes.push_back((present ? "Key replaced: " : "Key deleted: ") +
                                        KeyText(step.hive, step.path));
                afterTrees.push_back(RegTextKey{step.hive, step.path, true, {}, 0});
                for (RegTextKey& key : WithoutSecrets(std::move(now), &entry.secrets))
                    afterTrees.push_back(std::move(key));
                break;
            }
            case Kind::File:
            case Kind::Attributes: {
                FileState now{step.file, std::nullopt, host.AttributesOf(step.file),
                              step.kind == Kind::Attributes};
                if (step.kind == Kind::File) {
                    if (host.FileExists(step.file))
                        now.bytes = host.ReadWholeFile(step.file);
                    if (now.bytes == step.fileBefore)
                        break;
                    entry.changes.push_back((!now.bytes         ? "File removed: "
                                             : !step.fileBefore ? "File created: "
                                                                : "File written: ") +
                                            step.file);
                } else {
                    if (now.attributes == step.attributesBefore)
                        break;
                    entry.changes.push_back("File attributes changed: " + step.file);
                }
                entry.filesAfter.push_back(std::move(now));
                break;
            }
        }
    }
    // Trees first, so the keys and values that follow land in them.
    entry.after.keys = std::move(afterTrees);
    for (RegTextKey& key : afterKeys)
        entry.after.keys.push_back(std::move(key));
    for (RegTextKey& key : afterValues.keys)
        entry.after.keys.push_back(std::move(key));
    return entry;
}

std::string FormatJournalEntry(const JournalEntry& entry) {
    std::string out(kStart);
    out += kCrLf;
    // One line each: a line break in a name read from the registry would end the field
    // early and cost the whole entry when it is read back. These lines only describe.
    auto field = [&](std::string_view name, const std::string& text) {
        out += "; ";
        out += name;
        out += ": ";
        for (char c : text)
            out += c == '\r' || c == '\n' ? ' ' : c;
        out += kCrLf;
    };
    field("time", FormatTime(entry.time) + " UTC");
    field("tweak", std::to_string(entry.tweak));
    field("name", entry.recordName);
    field("kind", entry.undo ? "undo" : "apply");
    for (const std::string& line : entry.changes)
        field("changed", line);
    for (const std::string& line : entry.secrets)
        field("not restorable", line);
    for (const FileState& file : entry.filesBefore)
        field("file before", FormatFile(file));
    for (const FileState& file : entry.filesAfter)
        field("file after", FormatFile(file));
    out += WriteRegText(entry.before, kCrLf);
    out += kAfter;
    out += kCrLf;
    for (const RegTextKey& key : entry.after.keys) {
        const std::string written = WriteRegKey(key, RegTextFormat::Regedit4, kCrLf);
        std::string_view text = written;
        while (!text.empty()) {
            const std::size_t cut = text.find(kCrLf);
            out += ";";
            out += text.substr(0, cut);
            out += kCrLf;
            text.remove_prefix(cut + kCrLf.size());
        }
    }
    char end[32];
    std::snprintf(end, sizeof end, "%08x ----", Checksum(out));
    out += kEnd;
    out += end;
    out += kCrLf;
    return out;
}

namespace {

// "2007-03-05 12:00:00", then anything: a number too big for its field is refused.
bool ParseTime(std::string_view text, DateTime* time) {
    int* fields[] = {&time->date.year, &time->date.month, &time->date.day,
                     &time->hour,      &time->minute,     &time->second};
    const char separators[] = "-- ::";
    const char* at = text.data();
    const char* end = text.data() + text.size();
    for (std::size_t i = 0; i < std::size(fields); ++i) {
        if (i > 0 && (at == end || *at++ != separators[i - 1]))
            return false;
        const auto [next, error] = std::from_chars(at, end, *fields[i]);
        if (error != std::errc())
            return false;
        at = next;
    }
    return true;
}

bool ParseEntry(const std::vector<std::string_view>& lines, JournalEntry* entry) {
    std::size_t i = 1;  // past the start line
    for (; i < lines.size() && lines[i] != "REGEDIT4"; ++i) {
        const std::string_view line = lines[i];
        const std::size_t colon = line.find(": ");
        if (line.substr(0, 2) != "; " || colon == std::string_view::npos)
            return false;
        const std::string_view name = line.substr(2, colon - 2);
        const std::string text(line.substr(colon + 2));
        if (name == "time") {
            if (!ParseTime(text, &entry->time))
                return false;
        } else if (name == "tweak") {
            if (text.empty() || text.size() > 9 ||
                text.find_first_not_of("0123456789") != std::string::npos) {
                return false;
            }
            entry->tweak = static_cast<TweakId>(std::stoul(text));
        } else if (name == "name") {
            entry->recordName = text;
        } else if (name == "kind") {
            entry->undo = text == "undo";
        } else if (name == "changed") {
            entry->changes.push_back(text);
        } else if (name == "not restorable") {
            entry->secrets.push_back(text);
        } else if (name == "file before" || name == "file after") {
            FileState file;
            if (!ParseFile(text, &file))
                return false;
            (name == "file before" ? entry->filesBefore : entry->filesAfter).push_back(file);
        }
    }
    std::string before, after = "REGEDIT4\n";
    for (; i < lines.size() && lines[i] != kAfter; ++i) {
        before += lines[i];
        before += '\n';
    }
    for (++i; i < lines.size(); ++i) {
        if (lines[i].empty() || lines[i][0] != ';')
            return false;
        after += lines[i].substr(1);
        after += '\n';
    }
    return ParseRegText(before, &entry->before) && ParseRegText(after, &entry->after);
}

}  // namespace

std::vector<JournalEntry> ParseJournal(std::string_view text) {
    std::vector<JournalEntry> entries;
    std::vector<std::string_view> lines;
    std::size_t entryStart = std::string_view::npos;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t cut = text.find('\n', pos);
        const std::size_t next = cut == std::string_view::npos ? text.size() : cut + 1;
        std::string_view line = text.substr(pos, next - pos);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r'))
            line.remove_suffix(1);
        if (line == kStart) {
            entryStart = pos;
            lines.assign(1, line);
        } else if (entryStart != std::string_view::npos && line.substr(0, kEnd.size()) == kEnd) {
            char expected[32];
            std::snprintf(expected, sizeof expected, "%08x ----",
                          Checksum(text.substr(entryStart, pos - entryStart)));
            JournalEntry entry;
            if (line.substr(kEnd.size()) == expected && ParseEntry(lines, &entry))
                entries.push_back(std::move(entry));
            entryStart = std::string_view::npos;
        } else if (entryStart != std::string_view::npos) {
            lines.push_back(line);
        }
        pos = next;
    }
    return entries;
}

bool RestoreEntry(const JournalEntry& entry, Registry& registry, Host& host,
                  std::string* failedFile) {
    if (ApplyRegText(registry, entry.before) != err::Success)
        return false;
    for (const FileState& file : entry.filesBefore) {
        bool ok = true;
        if (file.bytes && !file.attributesOnly) {
            ok = host.WriteWholeFile(file.path, *file.bytes);
        } else if (!file.attributesOnly && host.FileExists(file.path)) {
            ok = host.RemoveFile(file.path);
        }
        if (ok && file.attributes && (file.bytes || file.attributesOnly) &&
            host.AttributesOf(file.path) != file.attributes) {
            ok = host.ChangeAttributes(file.path, *file.attributes);
        }
        if (!ok) {
            if (failedFile)
                *failedFile = file.path;
            return false;
        }
    }
    return true;
}

std::string ExportEntries(const std::vector<const JournalEntry*>& entries) {
    std::string out = "REGEDIT4";
    out += kCrLf;
    out += kCrLf;
    for (const JournalEntry* entry : entries) {
        out += "; " + FormatTime(entry->time) + " UTC: " + entry->recordName;
        out += kCrLf;
        for (const std::string& secret : entry->secrets) {
            out += "; not exported, its data is not kept: " + secret;
            out += kCrLf;
        }
        for (const FileState& file : entry->filesAfter) {
            out += "; a file changed too, which a .reg file cannot carry: " + file.path;
            out += kCrLf;
        }
        out += kCrLf;
        for (const RegTextKey& key : entry->after.keys)
            out += WriteRegKey(key, RegTextFormat::Regedit4, kCrLf);
    }
    return out;
}

bool SaveWholeFile(Host& host, const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".new";
    if (host.WriteWholeFile(temporary, bytes) && host.RenameOver(temporary, path))
        return true;
    host.RemoveFile(temporary);
    return false;
}

void ChangeJournal::Load() {
    entries_.clear();
    if (std::optional<std::string> text = host_.ReadWholeFile(path_))
        entries_ = ParseJournal(*text);
}

bool ChangeJournal::Append(const JournalEntry& entry) {
    if (!host_.AppendToFile(path_, FormatJournalEntry(entry)))
        return false;
    entries_.push_back(entry);
    return true;
}

std::optional<std::size_t> ChangeJournal::LastOf(TweakId tweak) const {
    for (std::size_t i = entries_.size(); i-- > 0;) {
        if (entries_[i].tweak == tweak)
            return i;
    }
    return std::nullopt;
}

}  // namespace tallowick
