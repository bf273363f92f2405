// Interface texts per language: the built-in English string table, and the language file
// Language\<name>.ini beside the program that can replace dialog texts, catalogue names and
// descriptions, and string-table texts.
//
// A language file is an ordinary initialisation file. Every lookup passes the current text
// as its default, so a missing file, section or key leaves the built-in text in place.
// Sections and keys are decimal numbers:
//   [<dialog id>]   <dialog id>=caption, <control id>=control text
//   [1004]          <TweakId>1=new TweakId, <TweakId>2=name, <TweakId>3=description
//   [QuenbyManagerStringTable]  <string id>=text
// Values may write a line feed as \n and a tab as \t.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/tweak_catalogue.h"

namespace tallowick {

class Host;
class Registry;

// Ids of the string table: the alert caption, then version, empty-field and other alerts.
inline constexpr int kStringAlertCaption = 2001;  // "A L E R T"
inline constexpr int kStringOnlyNt2000Xp = 2002;
inline constexpr int kStringOnly2000Xp = 2003;
inline constexpr int kStringOnlyXp = 2004;
inline constexpr int kStringSetCommandPromptMenuName = 2005;
inline constexpr int kStringSetAlternateProgramPath = 2006;
inline constexpr int kStringSetLogFileDirectory = 2007;
inline constexpr int kStringSetDumpFileLocation = 2008;
inline constexpr int kStringSetInstructionCount = 2009;
inline constexpr int kStringSetWaveFileLocation = 2010;
inline constexpr int kStringOnly2000MeXp = 2011;
inline constexpr int kStringSetProgramPath = 2012;
inline constexpr int kStringChooseFontSmoothingNt = 2013;  // font smoothing on NT/2000/XP
inline constexpr int kStringChooseFontSmoothing9x = 2014;  // font smoothing on 95/98/Me
inline constexpr int kStringOnly98Me2000Xp = 2015;
inline constexpr int kStringOnly9xNt2000 = 2016;      // 95/98/Me/NT/2000
inline constexpr int kStringOnly9x2000Xp = 2017;      // 95/98/Me/2000/XP
inline constexpr int kStringOnly98MeNt2000Xp = 2018;  // 2000/XP/98/Me/NT
inline constexpr int kStringOnly2000 = 2019;
inline constexpr int kStringSetHungAppTimeout = 2020;
inline constexpr int kStringOnlyMeXp = 2021;
inline constexpr int kStringOnly98 = 2022;
inline constexpr int kStringKeyWriteFailed = 2023;  // "%s" stands for the key's name
inline constexpr int kStringSetAutoLogonCount = 2024;
inline constexpr int kStringFileDeleteFailed = 2025;      // "%s" stands for the file's name
inline constexpr int kStringFileWriteFailed = 2026;       // "%s" stands for the file's name
inline constexpr int kStringBelowGenerationLimit = 2030;  // under the program's name
// The change journal, preview and search.
inline constexpr int kStringJournalUnavailable = 2050;  // "%s" stands for the journal file
inline constexpr int kStringNotRestorable = 2051;       // "%s" stands for the values' names
inline constexpr int kStringNothingWouldChange = 2052;
inline constexpr int kStringSearchCue = 2053;

// The program's name, the caption of the few messages that are not alerts.
inline constexpr const char* kProgramName = "Tallowick";

// Replaces each two-character sequence backslash-n by a line feed and backslash-t by a tab.
// Every other backslash stays.
std::string UnescapeText(std::string_view text);

// The built-in English text of a string-table id; "" for an id the table does not have.
std::string BuiltInString(int id);

// `localisedText` with its first "%s" replaced by `keyName`, taken literally (a '%' in
// either text is no format directive). A text without "%s" comes back unchanged.
std::string FormatKeyFailure(const std::string& localisedText, const std::string& keyName);

// A dialog's texts, as TranslateDialog sees them; the Windows program implements it over a
// real window.
class WindowText {
  public:
    virtual ~WindowText() = default;
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& text) = 0;
    virtual int ChildCount() const = 0;        // direct children, first child then next siblings
    virtual int ChildId(int index) const = 0;  // control id (GetDlgCtrlID)
    virtual std::string ChildText(int index) const = 0;
    virtual void SetChildText(int index, const std::string& text) = 0;
};

class Language {
  public:
    // Borrows registry and host, which must outlive this object. programFolder has no
    // trailing backslash.
    Language(Registry& registry, Host& host, std::string programFolder);

    // Takes the name from HKCU\Software\Quenby Manager, value Language (REG_SZ). Without
    // the key or value, or with a value of another type, the name stays what it was.
    void ReadLanguageName();
    // "English" until read.
    const std::string& Name() const { return name_; }
    // programFolder\Language\<name>.ini
    std::string FilePath() const;

    // Renames records and replaces their descriptions, in index order. Key <id>1 replaces a
    // record's TweakId (read as atoi reads it; a number past 32 bits leaves the id), and
    // its name and description are then looked up under the new id.
    void TranslateCatalogue(TweakCatalogue& catalogue);
    // The dialog's caption (unless dialogId is 0) and each child's text, looked up in the
    // section named after the dialog id.
    void TranslateDialog(WindowText& window, int dialogId);
    // The string-table text of `id`, or the language file's text for it. Unlike the other
    // lookups an empty text is returned as it is: "" when neither has the id.
    std::string LocalisedString(int id);

  private:
    // The language file's bytes, read on first use and kept for this object's life; a
    // missing file reads as an empty one.
    const std::string& FileText();
    std::string Lookup(std::string_view section, std::string_view key, std::string_view currentText,
                       std::size_t bufferSize);

    Registry& registry_;
    Host& host_;
    std::string programFolder_;
    std::string name_ = "English";
    std::optional<std::string> fileText_;
};

}  // namespace tallowick
