// The change journal through its public seams, for what the undo property over every tweak
// (undo_preview_test.cpp) does not reach: values no tweak writes (quotes, backslashes,
// bytes above 127, zeros inside binary data, texts without their terminator) carried
// through the journal's text, the export and the undo; a class changed through
// HKEY_CLASSES_ROOT and through the copies it shows; secrets; damaged entries; files
// that cannot be written; a file removed.
#include "shell/change_journal.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#include "support/registry_test_support.h"

namespace tallowick {
namespace {

constexpr const char* kFixture = R"(REGEDIT4

[HKEY_CURRENT_USER\Software\Kept]
@="default"
)"
                                 "\"Quoted\"=\"say \\\"hi\\\" C:\\\\path \xe9\xff\"\n"
                                 R"("Zeros"=hex:00,00,01,00
"Expand"=hex(2):25,53,25,00
"Multi"=hex(7):61,00,62,00,00
"Bare"=hex(1):61,62

[HKEY_CURRENT_USER\Software\Secret]
"UserPassword"="hunter2"

[HKEY_CURRENT_USER\Software\Kept\Child\Deeper]
"Inner"=dword:00000001

[HKEY_LOCAL_MACHINE\SOFTWARE\Classes\tlwfile]
@="machine's"

[HKEY_CURRENT_USER\Software\Classes\tlwfile]
@="user's"
)";

struct Case {
    const char* name;
    std::function<void(Registry&)> change;
};

void Set(Registry& r, const char* path, const char* name, const RegValue& v,
         RegKey root = hive::CurrentUser) {
    EXPECT_EQ(WriteValue(r, root, path, name, v), err::Success);
}

const Case kCases[] = {
    {"odd values written over others, beside them and deleted",
     [](Registry& r) {
         Set(r, "Software\\Kept", "Quoted", RegValue{regtype::Binary, {0, 9}});
         Set(r, "Software\\Kept", "Zeros", SzValue("a\"b\\c \xe9"));
         Set(r, "Software\\Kept", "", DwordValue(7));
         Set(r, "Software\\Kept", "New \"\\", SzValue("x", regtype::ExpandSz));
         EXPECT_EQ(r.DeleteValueAt(hive::CurrentUser, "Software\\Kept", "Multi"), err::Success);
     }},
    {"a tree of odd values deleted, then made again",
     [](Registry& r) {
         EXPECT_EQ(r.DeleteTree(hive::CurrentUser, "Software\\Kept"), err::Success);
         Set(r, "Software\\Kept\\Child\\New", "w", DwordValue(2));
     }},
    {"a password",
     [](Registry& r) { Set(r, "Software\\Secret", "UserPassword", SzValue("swordfish")); }},
};

// HKEY_CLASSES_ROOT shows the user's copy of a class where there is one, and creates
// keys in the machine's.
const Case kClassesCases[] = {
    {"classes changed through HKEY_CLASSES_ROOT and the copies it shows",
     [](Registry& r) {
         Set(r, "tlwfile", "", SzValue("a"), hive::ClassesRoot);
         Set(r, "Software\\Classes\\tlwfile", "", SzValue("b"));
         Set(r, ".tlw", "", SzValue("tlwfile"), hive::ClassesRoot);
         Set(r, "SOFTWARE\\Classes\\.tlw", "", SzValue("c"), hive::LocalMachine);
     }},
    {"the user's class deleted through HKEY_CLASSES_ROOT",
     [](Registry& r) { EXPECT_EQ(r.DeleteTree(hive::ClassesRoot, "tlwfile"), err::Success); }},
};

class ChangeJournalTest : public ::testing::Test {
  protected:
    void Reset() {
        registry.DeleteTree(hive::CurrentUser, "Software\\Kept");
        registry.DeleteTree(hive::CurrentUser, "Software\\Secret");
        registry.DeleteTree(hive::LocalMachine, "SOFTWARE\\Classes\\.tlw");
        registry.DeleteTree(hive::LocalMachine, "SOFTWARE\\Classes\\tlwfile");
        registry.DeleteTree(hive::CurrentUser, "Software\\Classes\\tlwfile");
        ASSERT_TRUE(registry.LoadRegText(kFixture));
    }
    // Runs the change through the journaling registry and returns its entry, as written
    // to the journal file and read back.
    JournalEntry Record(const Case& c) {
        std::vector<ChangeStep> steps;
        JournalingRegistry journaled(registry, steps);
        c.change(journaled);
        JournalEntry made = MakeJournalEntry(steps, registry, host);
        made.time = host.NowUtc();
        made.tweak = 42;
        made.recordName = c.name;
        ChangeJournal journal(host, "C:\\Folder");
        EXPECT_TRUE(journal.Append(made));
        journal.Load();
        EXPECT_EQ(journal.Entries().size(), 1u);
        host.files.clear();
        return journal.Entries().empty() ? made : journal.Entries()[0];
    }

    MemoryRegistry registry;
    FakeHost host;
};

TEST_F(ChangeJournalTest, OddValuesAreUndoneToTheExactRegistryAndExportedAsTheirResult) {
    for (const Case& c : {kCases[0], kCases[1], kClassesCases[0], kClassesCases[1]}) {
        SCOPED_TRACE(c.name);
        Reset();
        const std::string before = registry.SaveRegText();
        const JournalEntry entry = Record(c);
        const std::string after = registry.SaveRegText();
        ASSERT_NE(before, after);

        // The export, imported over the state before, gives the state after.
        MemoryRegistry imported;
        ASSERT_TRUE(imported.LoadRegText(kFixture));
        std::string error;
        ASSERT_TRUE(imported.LoadRegText(ExportEntries({&entry}), &error)) << error;
        EXPECT_EQ(imported.SaveRegText(), after) << ExportEntries({&entry});

        ASSERT_TRUE(RestoreEntry(entry, registry, host, nullptr));
        EXPECT_EQ(registry.SaveRegText(), before) << FormatJournalEntry(entry);
    }
}

// One place, one line, however the change named it: a class is journaled at the copy
// that changed.
TEST_F(ChangeJournalTest, AClassIsJournaledOnceAtTheCopyThatChanged) {
    Reset();
    EXPECT_EQ(Record(kClassesCases[0]).changes,
              (std::vector<std::string>{
                  "HKEY_CURRENT_USER\\Software\\Classes\\tlwfile @: \"user's\" -> \"b\"",
                  "Key created: HKEY_LOCAL_MACHINE\\Software\\Classes\\.tlw",
                  "HKEY_LOCAL_MACHINE\\Software\\Classes\\.tlw @: (none) -> \"c\""}));
}

TEST_F(ChangeJournalTest, APasswordIsJournaledWithoutItsDataAndNotRestored) {
    Reset();
    const JournalEntry entry = Record(kCases[2]);
    const std::string text = FormatJournalEntry(entry) + ExportEntries({&entry});
    EXPECT_EQ(text.find("hunter2"), std::string::npos);
    EXPECT_EQ(text.find("swordfish"), std::string::npos);
    ASSERT_EQ(entry.secrets.size(), 1u);
    EXPECT_EQ(entry.secrets[0], "HKEY_CURRENT_USER\\Software\\Secret \"UserPassword\"");
    ASSERT_TRUE(RestoreEntry(entry, registry, host, nullptr));
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, "Software\\Secret", "UserPassword"),
              SzValue("swordfish"));
}

TEST_F(ChangeJournalTest, DamagedAndTornEntriesAreSkippedAndTheOthersKept) {
    std::string text;
    for (const Case& c : kCases) {
        Reset();
        text += FormatJournalEntry(Record(c));
    }
    Reset();
    text += FormatJournalEntry(Record(kCases[0]));
    EXPECT_EQ(ParseJournal(text).size(), 4u);

    // One byte changed inside the second entry, and the last one cut short.
    const std::size_t second = text.find("; ---- Tallowick change", 10);
    text[second + 40] ^= 1;
    text.resize(text.size() - 30);
    const std::vector<JournalEntry> kept = ParseJournal(text);
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[0].recordName, kCases[0].name);
    EXPECT_EQ(kept[1].recordName, kCases[2].name);

    EXPECT_TRUE(
        ParseJournal("REGEDIT4\r\n; ---- Tallowick change ----\r\n\xff\x00garbage").empty());
}

TEST_F(ChangeJournalTest, AJournalOrExportThatCannotBeWrittenKeepsNothingAndSaysSo) {
    ChangeJournal journal(host, "C:\\ReadOnly");
    host.failWrites.insert(journal.FilePath());
    JournalEntry entry;
    entry.changes.push_back("x");
    EXPECT_FALSE(journal.Append(entry));
    EXPECT_TRUE(journal.Entries().empty());

    // An export to a folder that refuses writes leaves no file, not even half of one.
    host.failRenames.insert("C:\\ReadOnly\\out.reg");
    EXPECT_FALSE(SaveWholeFile(host, "C:\\ReadOnly\\out.reg", "REGEDIT4\r\n"));
    EXPECT_TRUE(host.files.empty());
}

// The boot file's change is in the property; no tweak's removal of a file is.
TEST_F(ChangeJournalTest, FileChangesAreUndoneToTheirBytesAndAttributes) {
    host.files["C:\\boot.ini"] = std::string("[boot loader]\r\ntimeout=30\r\n\0x", 30);
    host.attributes["C:\\boot.ini"] = fileattr::Hidden | fileattr::System;
    host.files["C:\\cache.dat"] = "cache";
    const auto filesBefore = host.files;
    const auto attributesBefore = host.attributes;

    std::vector<ChangeStep> steps;
    JournalingHost files(host, steps);
    ASSERT_TRUE(files.WriteWholeFile("C:\\boot.ini", "[boot loader]\r\ntimeout=5\r\n"));
    ASSERT_TRUE(files.ChangeAttributes("C:\\boot.ini", fileattr::ReadOnly));
    ASSERT_TRUE(files.RemoveFile("C:\\cache.dat"));
    JournalEntry entry =
        ParseJournal(FormatJournalEntry(MakeJournalEntry(steps, registry, host))).at(0);
    EXPECT_EQ(entry.changes, (std::vector<std::string>{"File written: C:\\boot.ini",
                                                       "File attributes changed: C:\\boot.ini",
                                                       "File removed: C:\\cache.dat"}));
    EXPECT_NE(ExportEntries({&entry}).find("; a file changed too"), std::string::npos);
    ASSERT_TRUE(RestoreEntry(entry, registry, host, nullptr));
    EXPECT_EQ(host.files, filesBefore);
    EXPECT_EQ(host.attributes, attributesBefore);
}

}  // namespace
}  // namespace tallowick
