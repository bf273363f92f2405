// The change journal: any file reads without harm; an entry read back writes as it was
// read; a damaged tail never costs the entries before it; and an entry the program
// writes, whatever text its names and data hold, reads back as it was written.
#include <string>
#include <vector>

#include "fuzz/fuzz_targets.h"
#include "shell/change_journal.h"

namespace tallowick::fuzz {
namespace {

std::string FormatAll(const std::vector<JournalEntry>& entries) {
    std::string text;
    for (const JournalEntry& entry : entries)
        text += FormatJournalEntry(entry);
    return text;
}

JournalEntry MadeUpEntry(std::string_view bytes) {
    // The input cut at each 0xFE byte: the pieces become the entry's texts.
    const std::vector<std::string_view> pieces = Split(bytes, "\xFE");
    auto piece = [&](std::size_t i) {
        return i < pieces.size() ? std::string(pieces[i]) : std::string();
    };
    JournalEntry entry;
    entry.time = DateTime{Date{2007, 3, 5}, 12, 0, static_cast<int>(bytes.size() % 60)};
    entry.tweak = static_cast<TweakId>(bytes.size());
    entry.recordName = piece(0);
    entry.undo = pieces.size() % 2 == 0;
    entry.changes = {piece(1)};
    if (pieces.size() > 2)
        entry.secrets = {piece(2)};
    // A Windows file name holds no line break.
    std::string path = piece(3);
    std::erase_if(path, [](char c) { return c == '\r' || c == '\n'; });
    entry.filesBefore = {FileState{path, piece(4), 0x20, false}};
    entry.filesAfter = {FileState{path, std::nullopt, std::nullopt, false}};
    // A piece that reads as .reg text gives both registry parts.
    RegTextDocument document;
    if (ParseRegText(piece(5), &document)) {
        document.format = RegTextFormat::Regedit4;  // the journal's own
        entry.before = document;
        entry.after = document;
    }
    return entry;
}

}  // namespace

void Journal(std::string_view bytes) {
    const std::vector<JournalEntry> read = ParseJournal(bytes);
    const std::string rewritten = FormatAll(read);
    Require(FormatAll(ParseJournal(rewritten)) == rewritten, "an entry read writes as it was read");
    const std::vector<JournalEntry> both = ParseJournal(rewritten + std::string(bytes));
    Require(both.size() == 2 * read.size() &&
                FormatAll({both.begin(), both.begin() + read.size()}) == rewritten,
            "what follows the entries never costs one of them");

    const std::string written = FormatJournalEntry(MadeUpEntry(bytes));
    const std::vector<JournalEntry> back = ParseJournal(written);
    Require(back.size() == 1, "an entry written reads back");
    Require(FormatJournalEntry(back.front()) == written, "an entry reads back as written");
}

}  // namespace tallowick::fuzz
