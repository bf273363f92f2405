#include "model/language.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <iterator>
#include <utility>

#include "model/profile_string.h"
#include "model/program_names.h"
#include "platform/host.h"
#include "platform/registry.h"

namespace tallowick {
namespace {

// The navigation tree's control id names the section of catalogue texts.
constexpr std::string_view kCatalogueSection = "1004";

// The buffers the texts are read into; a longer value is cut to one byte less.
constexpr std::size_t kCaptionBuffer = 260;
constexpr std::size_t kTextBuffer = 1024;

struct StringEntry {
    int id;
    const char* text;
};

// The spelling and grammar are the program's own and are kept: language files written
// against it translate these exact texts.
constexpr StringEntry kStringTable[] = {
    {kStringAlertCaption, "A L E R T"},
    {kStringOnlyNt2000Xp, "These Tweak active only on Windows NT/2000/XP"},
    {kStringOnly2000Xp, "These Tweak active only on Windows 2000/XP"},
    {kStringOnlyXp, "These Tweak active only on Windows XP"},
    {kStringSetCommandPromptMenuName, "Please Set the Command Prompt Menu Name"},
    {kStringSetAlternateProgramPath, "Please Set the Alternate Program Path"},
    {kStringSetLogFileDirectory, "Please Set the Log File Directory Path"},
    {kStringSetDumpFileLocation, "Please Set the Location of the Dump File"},
    {kStringSetInstructionCount, "Please Set the Number of Instructions To Record"},
    {kStringSetWaveFileLocation, "Please Set the Location of Wave File for Sound Notification"},
    {kStringOnly2000MeXp, "These Tweak active only on Windows 2000/Me/XP"},
    {kStringSetProgramPath, "Please Set the Program Path"},
    {kStringChooseFontSmoothingNt,
     "You must choose Enable Font Smoothing on Windows NT/2000/XP or Disable"},
    {kStringChooseFontSmoothing9x,
     "You must choose Enable Font Smoothing on Windows 95/98/Me or Disable"},
    {kStringOnly98Me2000Xp, "These settings control activate only on Windows 98/Me/2000/XP"},
    {kStringOnly9xNt2000, "These Tweak Active only with Windows 95/98/Me/NT/2000"},
    {kStringOnly9x2000Xp, "These Tweak active only on Windows 95/98/Me/2000/XP"},
    {kStringOnly98MeNt2000Xp, "These Tweak active only on Windows 2000/XP/98/Me/NT"},
    {kStringOnly2000, "These Tweak active only on Windows 2000"},
    {kStringSetHungAppTimeout, "Please insert the Response Time for Hung Applications ..."},
    {kStringOnlyMeXp, "These Tweak active only on Windows Me/XP"},
    {kStringOnly98, "These Tweak active only on Microsoft Windows 98"},
    {kStringKeyWriteFailed,
     "Tallowick could not change the registry key %s. You may need administrator rights to "
     "change this setting."},
    {kStringSetAutoLogonCount, "Please Set the Number of Automatic Logins"},
    {kStringFileDeleteFailed,
     "Tallowick could not delete the file %s. It may be in use by another program, or you may "
     "need administrator rights to delete it."},
    {kStringFileWriteFailed,
     "Tallowick could not change the file %s. It may be missing, read-only or in use."},
    {kStringBelowGenerationLimit, "The value must be less than \"4194304\" "},
    {kStringJournalUnavailable,
     "Tallowick could not write its change history to %s. The changes you apply now cannot "
     "be undone."},
    {kStringNotRestorable,
     "These values were changed but their data is not kept, so they could not be restored:%s"},
    {kStringNothingWouldChange, "Nothing would change."},
    {kStringSearchCue, "Search settings"},
};

// Keys and sections are numbers written as "%d" writes them.
std::string Decimal(long long n) {
    return std::to_string(n);
}

// A catalogue key: the TweakId and the field digit written one after the other.
std::string CatalogueKey(TweakId id, int field) {
    // The id prints as "%d" prints it, so an id a language file set below zero keeps its sign.
    return Decimal(static_cast<std::int32_t>(id)) + Decimal(field);
}

// The number at the start of `text` as atoi reads it (blanks, a sign, digits; 0 without
// digits), or nothing when it does not fit a 32-bit int: an id past the field is refused
// rather than wrapped into some other node's.
std::optional<std::int32_t> LeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && std::isspace(static_cast<unsigned char>(text[i])))
        ++i;
    const bool negative = i < text.size() && text[i] == '-';
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    const std::int64_t limit = negative ? -std::int64_t{INT32_MIN} : INT32_MAX;
    std::int64_t number = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        number = number * 10 + (text[i] - '0');
        if (number > limit)
            return std::nullopt;
    }
    return static_cast<std::int32_t>(negative ? -number : number);
}

}  // namespace

std::string UnescapeText(std::string_view text) {
    // A pair can never overlap another or be formed by a replacement (the second character
    // is never a backslash, and neither control character is 'n' or 't'), so one pass from
    // the left replaces every pair.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == 'n' || text[i + 1] == 't')) {
            out += text[i + 1] == 'n' ? '\n' : '\t';
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string BuiltInString(int id) {
    auto it = std::find_if(std::begin(kStringTable), std::end(kStringTable),
                           [id](const StringEntry& entry) { return entry.id == id; });
    return it == std::end(kStringTable) ? std::string() : std::string(it->text);
}

std::string FormatKeyFailure(const std::string& localisedText, const std::string& keyName) {
    std::string out = localisedText;
    const std::size_t at = out.find("%s");
    if (at != std::string::npos)
        out.replace(at, 2, keyName);
    return out;
}

Language::Language(Registry& registry, Host& host, std::string programFolder)
    : registry_(registry), host_(host), programFolder_(std::move(programFolder)) {}

void Language::ReadLanguageName() {
    KeyHandle root(registry_);
    if (registry_.Connect(hive::CurrentUser, root.out()) != err::Success)
        return;
    KeyHandle key(registry_);
    if (registry_.OpenKey(root.get(), kProgramKeyPath, access::Read, key.out()) != err::Success)
        return;
    RegValue value;
    if (QueryValueWhole(registry_, key.get(), kLanguageValue, &value) != err::Success ||
        value.type != regtype::Sz) {
        return;
    }
    // The text ends at its first zero, or with the data when it was stored without one.
    auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
    name_.assign(value.data.begin(), end);
    // Another name means another file.
    fileText_.reset();
}

std::string Language::FilePath() const {
    return programFolder_ + "\\Language\\" + name_ + ".ini";
}

const std::string& Language::FileText() {
    if (!fileText_)
        fileText_ = host_.ReadWholeFile(FilePath()).value_or(std::string());
    return *fileText_;
}

std::string Language::Lookup(std::string_view section, std::string_view key,
                             std::string_view currentText, std::size_t bufferSize) {
    return UnescapeText(ReadProfileString(FileText(), section, key, currentText, bufferSize));
}

void Language::TranslateCatalogue(TweakCatalogue& catalogue) {
    for (TweakRecord& record : catalogue) {
        std::string id = Lookup(kCatalogueSection, CatalogueKey(record.tweakId, 1),
                                Decimal(static_cast<std::int32_t>(record.tweakId)), kTextBuffer);
        const std::optional<std::int32_t> number = LeadingNumber(id);
        if (!id.empty() && number)
            record.tweakId = static_cast<TweakId>(*number);

        std::string name =
            Lookup(kCatalogueSection, CatalogueKey(record.tweakId, 2), record.name, kTextBuffer);
        if (!name.empty())
            record.name = std::move(name);
        std::string description = Lookup(kCatalogueSection, CatalogueKey(record.tweakId, 3),
                                         record.description, kTextBuffer);
        if (!description.empty())
            record.description = std::move(description);
    }
}

void Language::TranslateDialog(WindowText& window, int dialogId) {
    const std::string section = Decimal(dialogId);
    if (dialogId != 0) {
        std::string caption = Lookup(section, section, window.Caption(), kCaptionBuffer);
        if (!caption.empty())
            window.SetCaption(caption);
    }
    const int count = window.ChildCount();
    for (int i = 0; i < count; ++i) {
        std::string text =
            Lookup(section, Decimal(window.ChildId(i)), window.ChildText(i), kTextBuffer);
        if (!text.empty())
            window.SetChildText(i, text);
    }
}

std::string Language::LocalisedString(int id) {
    return Lookup(kStringTableSection, Decimal(id), BuiltInString(id), kTextBuffer);
}

}  // namespace tallowick
