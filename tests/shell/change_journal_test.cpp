// The change journal through its public seams: each kind of change recorded, written to
// the journal's text, read back and undone must give back the registry byte for byte;
// the state after, exported, must give the registry Apply left.
#include "shell/change_journal.h"

#include <gtest/gtest.h>

#include <functional>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#include "support/registry_test_support.h"

namespace tallowick {
namespace {

// Values of every shape: zeros inside binary data, quotes, backslashes and bytes above
// 127 in texts, a text without its terminator, an expandable and a multi-string text.
constexpr const char* kFixture = R"(REGEDIT4

[HKEY_CURRENT_USER\Software\Kept]
@="default"
)"
                                 "\"Quoted\"=\"say \\\"hi\\\" C:\\\\path \xe9\xff\"\n"
                                 R"("Zeros"=hex:00,00,01,00
"Expand"=hex(2):25,53,25,00
"Multi"=hex(7):61,00,62,00,00
"Bare"=hex(1):61,62
"Number"=dword:0000002a

[HKEY_CURRENT_USER\Software\Secret]
"UserPassword"="hunter2"

[HKEY_CURRENT_USER\Software\Kept\Child\Deeper]
"Inner"=dword:00000001

[HKEY_LOCAL_MACHINE\SOFTWARE\Policies\Kept]
"Machine"=hex:ff
)";

struct Case {
    const char* name;
    std::function<void(Registry&)> change;
};

RegKey Create(Registry& r, RegKey hiveKey, const char* path) {
    RegKey key = 0;
    EXPECT_EQ(r.CreateKey(hiveKey, path, &key), err::Success);
    return key;
}

void Set(Registry& r, RegKey hiveKey, const char* path, const char* name, const RegValue& v) {
    const RegKey key = Create(r, hiveKey, path);
    std::vector<std::uint8_t> bytes = v.data;
    bytes.push_back(1);  // a guard: no terminator added
    EXPECT_EQ(
        r.SetValue(key, name, v.type, bytes.data(), static_cast<std::uint32_t>(v.data.size())),
        err::Success);
    r.CloseKey(key);
}

const Case kCases[] = {
    {"value set over an existing one",
     [](Registry& r) {
         Set(r, hive::CurrentUser, "Software\\Kept", "Quoted", RegValue{regtype::Binary, {0, 9}});
         Set(r, hive::CurrentUser, "Software\\Kept", "Zeros", SzValue("a\"b\\c"));
         Set(r, hive::CurrentUser, "Software\\Kept", "", DwordValue(7));
     }},
    {"value set where there was none",
     [](Registry& r) {
         Set(r, hive::CurrentUser, "Software\\Kept", "New", SzValue("x", regtype::ExpandSz));
     }},
    {"value deleted",
     [](Registry& r) {
         EXPECT_EQ(r.DeleteValueAt(hive::CurrentUser, "Software\\Kept", "Multi"), err::Success);
         const RegKey key = Create(r, hive::CurrentUser, "Software\\Kept");
         EXPECT_EQ(r.DeleteValue(key, "Bare"), err::Success);
         r.CloseKey(key);
     }},
    {"keys created, then filled",
     [](Registry& r) {
         Set(r, hive::LocalMachine, "SOFTWARE\\Made\\Two\\Three", "v", DwordValue(1));
         Set(r, hive::CurrentUser, "Software\\Kept\\Child\\New", "w", DwordValue(2));
     }},
    {"key tree deleted",
     [](Registry& r) {
         EXPECT_EQ(r.DeleteTree(hive::CurrentUser, "Software\\Kept"), err::Success);
     }},
    {"key tree deleted, then made again",
     [](Registry& r) {
         EXPECT_EQ(r.DeleteTree(hive::LocalMachine, "SOFTWARE\\Policies\\Kept"), err::Success);
         Set(r, hive::LocalMachine, "SOFTWARE\\Policies\\Kept\\Sub", "Machine", DwordValue(3));
     }},
};

class ChangeJournalTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (auto [hiveKey, path] : {std::pair{hive::CurrentUser, "Software\\Kept"},
                                     {hive::LocalMachine, "SOFTWARE\\Made"},
                                     {hive::CurrentUser, "Software\\Secret"},
                                     {hive::LocalMachine, "SOFTWARE\\Policies\\Kept"}}) {
            registry.DeleteTree(hiveKey, path);
        }
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

TEST_F(ChangeJournalTest, EachKindOfChangeIsUndoneToTheExactRegistryAndExportedAsItsResult) {
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        SetUp();
        const std::string before = registry.SaveRegText();
        const JournalEntry entry = Record(c);
        const std::string after = registry.SaveRegText();
        ASSERT_NE(before, after);
        EXPECT_FALSE(entry.changes.empty());

        // The export, imported over the state before, gives the state after; imported
        // into an empty registry, it holds what Apply wrote.
        MemoryRegistry imported;
        ASSERT_TRUE(imported.LoadRegText(kFixture));
        std::string error;
        ASSERT_TRUE(imported.LoadRegText(ExportEntries({&entry}), &error)) << error;
        EXPECT_EQ(imported.SaveRegText(), after) << ExportEntries({&entry});
        MemoryRegistry empty;
        ASSERT_TRUE(empty.LoadRegText(ExportEntries({&entry}), &error)) << error;

        // The undo, itself journaled, gives back the registry byte for byte.
        std::vector<ChangeStep> steps;
        JournalingRegistry journaled(registry, steps);
        ASSERT_TRUE(RestoreEntry(entry, journaled, host, nullptr));
        EXPECT_EQ(registry.SaveRegText(), before) << FormatJournalEntry(entry);
        // And undoing the undo gives the state after again.
        const JournalEntry redo = MakeJournalEntry(steps, registry, host);
        ASSERT_TRUE(RestoreEntry(redo, registry, host, nullptr));
        EXPECT_EQ(registry.SaveRegText(), after);
    }
}

TEST_F(ChangeJournalTest, APasswordIsJournaledWithoutItsDataAndNotRestored) {
    const JournalEntry entry = Record({"password", [](Registry& r) {
                                           Set(r, hive::CurrentUser, "Software\\Secret",
                                               "UserPassword", SzValue("swordfish"));
                                       }});
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
        SetUp();
        text += FormatJournalEntry(Record(c));
    }
    EXPECT_EQ(ParseJournal(text).size(), std::size(kCases));

    // One byte changed inside the second entry, and the last one cut short.
    std::string damaged = text;
    const std::size_t second = damaged.find("; ---- Tallowick change", 10);
    damaged[second + 40] ^= 1;
    damaged.resize(damaged.size() - 30);
    const std::vector<JournalEntry> kept = ParseJournal(damaged);
    ASSERT_EQ(kept.size(), std::size(kCases) - 2);
    EXPECT_EQ(kept[0].recordName, kCases[0].name);
    EXPECT_EQ(kept[1].recordName, kCases[2].name);

    // Noise and a file that is not a journal at all.
    EXPECT_TRUE(
        ParseJournal("REGEDIT4\r\n; ---- Tallowick change ----\r\n\xff\x00garbage").empty());
}

TEST_F(ChangeJournalTest, AJournalThatCannotBeWrittenKeepsNothingAndSaysSo) {
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

TEST_F(ChangeJournalTest, FileChangesAreUndoneToTheirBytesAndAttributes) {
    host.files["C:\\boot.ini"] = std::string("[boot loader]\r\ntimeout=30\r\n\0x", 30);
    host.attributes["C:\\boot.ini"] = fileattr::Hidden | fileattr::System;
    host.files["C:\\cache.dat"] = "cache";
    const auto filesBefore = host.files;
    const auto attributesBefore = host.attributes;

    std::vector<ChangeStep> steps;
    JournalingHost files(host, steps);
    ASSERT_TRUE(files.WriteWholeFile("C:\\boot.tmp", "[boot loader]\r\ntimeout=5\r\n"));
    ASSERT_TRUE(files.RenameOver("C:\\boot.tmp", "C:\\boot.ini"));
    ASSERT_TRUE(files.ChangeAttributes("C:\\boot.ini", fileattr::ReadOnly));
    ASSERT_TRUE(files.RemoveFile("C:\\cache.dat"));
    JournalEntry entry = MakeJournalEntry(steps, registry, host);
    EXPECT_EQ(entry.changes, (std::vector<std::string>{"File written: C:\\boot.ini",
                                                       "File attributes changed: C:\\boot.ini",
                                                       "File removed: C:\\cache.dat"}));
    entry = ParseJournal(FormatJournalEntry(entry)).at(0);
    EXPECT_NE(ExportEntries({&entry}).find("; a file changed too"), std::string::npos);
    ASSERT_TRUE(RestoreEntry(entry, registry, host, nullptr));
    EXPECT_EQ(host.files, filesBefore);
    EXPECT_EQ(host.attributes, attributesBefore);
}

}  // namespace
}  // namespace tallowick
