// The change journal: one entry per Apply (or Undo) that changed something, kept in a
// text file beside the date file. An entry says when, which tweak, what changed, and
// holds the state before (a REGEDIT4 fragment a person can read and any .reg tool can
// import) and the state after (for export), each with the files it touched.
//
// Entries are only ever appended, each in one write, and each ends with a line carrying a
// checksum of the entry: an entry torn or damaged is skipped, the others are kept.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/tweak_catalogue.h"
#include "platform/host.h"
#include "platform/reg_text.h"
#include "shell/change_recorder.h"

namespace tallowick {

// A file as it was or became: its bytes (nullopt: no file) and attributes.
struct FileState {
    std::string path;
    std::optional<std::string> bytes;
    std::optional<std::uint32_t> attributes;
    bool attributesOnly = false;  // only the attributes changed; bytes unused
};

struct JournalEntry {
    DateTime time;  // UTC
    TweakId tweak = 0;
    std::string recordName;
    bool undo = false;                   // the entry put back an earlier one
    std::vector<std::string> changes;    // what changed, one line each
    std::vector<std::string> secrets;    // values changed whose data is not kept
    RegTextDocument before;              // restores the state before, when applied in order
    RegTextDocument after;               // the state left, when applied in order
    std::vector<FileState> filesBefore;  // restores the files, in order
    std::vector<FileState> filesAfter;
};

// Turns the steps of one Apply into an entry: what was before comes from the steps, what
// is after is read now from `registry` and `host`, which must see the Apply's result.
// Places changed and then put back as they were are not listed as changes; an entry
// without changes has none in `changes`.
JournalEntry MakeJournalEntry(const std::vector<ChangeStep>& steps, Registry& registry, Host& host);

// The entry as journal text (CRLF lines), and the journal read back: entries oldest first,
// any damaged or incomplete entry left out.
std::string FormatJournalEntry(const JournalEntry& entry);
std::vector<JournalEntry> ParseJournal(std::string_view text);
// "2007-03-05 12:00:00"
std::string FormatTime(const DateTime& time);

// Puts back what `entry` changed, registry first, then files. Stops at the first step that
// fails and returns false; `registry` and `host` say which (e.g. a WriteFailureTracker).
bool RestoreEntry(const JournalEntry& entry, Registry& registry, Host& host,
                  std::string* failedFile);

// A REGEDIT4 file (CRLF) giving the state after the entries, applied oldest first; file
// changes and values whose data is not kept are listed as comments.
std::string ExportEntries(const std::vector<const JournalEntry*>& entries);
// Writes a whole file so that no half file is left: beside it first, then renamed over it.
bool SaveWholeFile(Host& host, const std::string& path, const std::string& bytes);

// The journal file: ChangeJournal.txt in the program folder.
class ChangeJournal {
  public:
    // Borrows the host, which must outlive the journal.
    ChangeJournal(Host& host, std::string programFolder)
        : host_(host), path_(programFolder + "\\ChangeJournal.txt") {}

    // Reads the file; a missing or unreadable file is an empty journal.
    void Load();
    // Appends one entry to the file and to Entries(). False, with neither changed, when
    // the file cannot be written: what cannot be kept cannot be offered for undo.
    bool Append(const JournalEntry& entry);
    // Oldest first.
    const std::vector<JournalEntry>& Entries() const { return entries_; }
    // The newest entry of a tweak; nullopt when it has none.
    std::optional<std::size_t> LastOf(TweakId tweak) const;
    const std::string& FilePath() const { return path_; }

  private:
    Host& host_;
    std::string path_;
    std::vector<JournalEntry> entries_;
};

}  // namespace tallowick
