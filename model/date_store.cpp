#include "model/date_store.h"

#include <cstdint>
#include <optional>
#include <utility>

#include "model/program_names.h"
#include "model/text.h"
#include "platform/registry.h"

namespace tallowick {

namespace {

constexpr const char* kSoftware = "Software";
// Written with its length and no terminator; the registry stores one anyway, as Windows'
// RegSetValueExA does when the byte after the counted ones is a zero.
constexpr const char* kDefaultLanguage = "English";
constexpr std::uint32_t kDefaultLanguageSize = 7;

constexpr const char* kLineEnd = "\r\n";

// What the flag says. A flag that cannot be read is neither set nor clear: the file is
// then loaded if it can be, rather than rebuilt over the user's dates.
enum class Flag { Set, Clear, Unknown };

// The start of a record's line. The closing quote keeps a name that begins another name
// from matching that other name's line.
std::string KeyOf(const std::string& name) {
    return std::string(kDateLinePrefix) + "\"" + name + "\"";
}

std::string LineOf(const std::string& key, const Date& date) {
    return key + "," + FormatDate(date) + ")";
}

// Where the line holding `from` ends. The program writes CR LF, but a file edited by hand
// may end its lines with LF alone, and a line must never take in the ones after it.
std::size_t LineEnd(const std::string& text, std::size_t from) {
    return text.find_first_of("\r\n", from);
}

// `text` with `line` in place of the line that starts with `key` (every copy of it), or
// with `line` appended when there is no such line.
std::string WithLine(const std::string& text, const std::string& key, const std::string& line) {
    const std::size_t at = text.find(key);
    if (at == std::string::npos) {
        std::string result = text;
        // A last line without its line end would otherwise run into the new one.
        if (!result.empty() && result.back() != '\n')
            result += kLineEnd;
        return result + line + kLineEnd;
    }
    const std::size_t end = LineEnd(text, at + key.size());
    return ReplaceAll(text, text.substr(at, end == std::string::npos ? end : end - at), line);
}

// HKCU\Software opened with full access, with the program key created below it if it was
// missing. False when any step fails.
bool OpenSoftware(Registry& registry, KeyHandle& software) {
    KeyHandle user(registry);
    if (registry.Connect(hive::CurrentUser, user.out()) != err::Success)
        return false;
    if (registry.OpenKey(user.get(), kSoftware, access::AllAccess, software.out()) != err::Success)
        return false;
    KeyHandle program(registry);
    return registry.CreateKey(software.get(), kProgramKeyName, program.out()) == err::Success;
}

// The first four bytes of the value as a little-endian number, a shorter value padded with
// zeros; its type is not checked.
Flag ReadFlag(Registry& registry, RegKey program) {
    RegValue value;
    const long rc = QueryValueWhole(registry, program, kDateFlagValue, &value);
    if (rc == err::FileNotFound)
        return Flag::Clear;
    if (rc != err::Success)
        return Flag::Unknown;
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < 4 && i < value.data.size(); ++i)
        number |= static_cast<std::uint32_t>(value.data[i]) << (8 * i);
    return number == 1 ? Flag::Set : Flag::Clear;
}

void SetProgramValue(Registry& registry, RegKey software, const char* name, std::uint32_t type,
                     const std::uint8_t* data, std::uint32_t size) {
    KeyHandle program(registry);
    if (registry.OpenKey(software, kProgramKeyName, access::Write, program.out()) == err::Success)
        registry.SetValue(program.get(), name, type, data, size);
}

void WriteFlag(Registry& registry, RegKey software, std::uint32_t value) {
    const std::vector<std::uint8_t> bytes = DwordBytes(value);
    SetProgramValue(registry, software, kDateFlagValue, regtype::Dword, bytes.data(),
                    static_cast<std::uint32_t>(bytes.size()));
}

}  // namespace

std::string FormatDate(const Date& date) {
    return std::to_string(date.month) + "/" + std::to_string(date.day) + "/" +
           std::to_string(date.year);
}

DateStore::DateStore(Registry& registry, Host& host, const TweakCatalogue& catalogue,
                     std::string programFolder)
    : registry_(registry),
      host_(host),
      catalogue_(catalogue),
      path_(std::move(programFolder) + "\\DateFile.txt") {}

void DateStore::Initialise() {
    KeyHandle software(registry_);
    if (!OpenSoftware(registry_, software))
        return;

    Flag flag = Flag::Unknown;
    bool languageMissing = false;
    {
        KeyHandle program(registry_);
        if (registry_.OpenKey(software.get(), kProgramKeyName, access::Read, program.out()) ==
            err::Success) {
            flag = ReadFlag(registry_, program.get());
            std::uint32_t size = 0;
            languageMissing = registry_.QueryValue(program.get(), kLanguageValue, nullptr, nullptr,
                                                   &size) == err::FileNotFound;
        }
    }
    if (languageMissing) {
        SetProgramValue(registry_, software.get(), kLanguageValue, regtype::Sz,
                        reinterpret_cast<const std::uint8_t*>(kDefaultLanguage),
                        kDefaultLanguageSize);
    }

    if (flag == Flag::Set || flag == Flag::Unknown) {
        if (std::optional<std::string> bytes = host_.ReadWholeFile(path_)) {
            text_ = std::move(*bytes);
            loaded_ = true;
            return;
        }
        // Flag set but no file: nothing is loaded, so the first lookup resets the store.
        if (flag == Flag::Set)
            return;
    }

    // First run. One date for the whole file, even if the clock passes midnight meanwhile.
    const Date today = host_.TodayUtc();
    std::string text;
    for (const TweakRecord& record : catalogue_)
        text += LineOf(KeyOf(record.name), today) + kLineEnd;
    // The flag is set only once the file is in place, so a failed write is retried at the
    // next start.
    if (Save(text))
        WriteFlag(registry_, software.get(), 1);
}

void DateStore::RecordDate(TweakId current) {
    if (current >= catalogue_.size())
        return;
    // Re-read rather than trust text_: the file is what the user's dates live in.
    std::optional<std::string> bytes = host_.ReadWholeFile(path_);
    if (!bytes)
        return;
    const std::string key = KeyOf(catalogue_[current].name);
    std::string updated = WithLine(*bytes, key, LineOf(key, host_.TodayUtc()));
    if (updated == *bytes) {
        // Applied again the same day: nothing to write.
        text_ = std::move(updated);
        loaded_ = true;
        return;
    }
    Save(updated);
}

std::string DateStore::LookUp(const std::string& name) {
    const std::string key = KeyOf(name);
    std::size_t at = text_.find(key);
    if (at == std::string::npos) {
        if (loaded_) {
            Save(WithLine(text_, key, LineOf(key, host_.TodayUtc())));
        } else {
            Reset();
        }
        at = text_.find(key);
    }
    if (at == std::string::npos)
        return {};
    const std::size_t end = LineEnd(text_, at + key.size());
    std::string piece = text_.substr(at, end == std::string::npos ? end : end - at);
    piece.pop_back();  // the closing parenthesis
    // The date follows the comma after the key: a name may hold commas of its own.
    const std::size_t comma = piece.find(',', key.size());
    return comma == std::string::npos ? std::string() : piece.substr(comma + 1);
}

void DateStore::Reset() {
    {
        KeyHandle software(registry_);
        if (OpenSoftware(registry_, software))
            WriteFlag(registry_, software.get(), 0);
    }
    Initialise();
}

// Written beside the file and renamed over it, so a failure at any step leaves both the
// old file and text_ as they were.
bool DateStore::Save(const std::string& bytes) {
    const std::string temp = path_ + ".new";
    if (!host_.WriteWholeFile(temp, bytes) || !host_.RenameOver(temp, path_)) {
        host_.RemoveFile(temp);
        return false;
    }
    text_ = bytes;
    loaded_ = true;
    return true;
}

}  // namespace tallowick
