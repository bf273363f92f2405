// The date store's edge cases and injected faults, over the in-memory seams. What must also
// hold on the real registry and files is in date_store_conformance.cpp.
#include "model/date_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#include "support/registry_test_support.h"

namespace tallowick {
namespace {

const char* const kKey = "Software\\Quenby Manager";
const char* const kFolder = "C:\\Program Files\\Tallowick";
const TweakCatalogue kCatalogue = {{"Accessories", "", 0, 0}, {"Quick Edit", "", 2, 1}};

std::string Line(const std::string& name, const std::string& date) {
    return "quenby(\"" + name + "\"," + date + ")\r\n";
}

const std::string kEarlier = Line("Accessories", "1/2/2006") + Line("Quick Edit", "8/9/2006");

class DateStoreTest : public ::testing::Test {
  protected:
    // Every path through the store closes what it opened.
    void TearDown() override { EXPECT_EQ(registry.OpenHandleCount(), 0u); }

    // A later start: the flag is 1 and `file` is the date file.
    void StartWith(const std::string& file) {
        ASSERT_TRUE(
            registry.LoadRegText("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Quenby Manager]\n"
                                 "\"DateModefiedFlage\"=dword:00000001\n"
                                 "\"Language\"=\"Deutsch\"\n"));
        host.files[path] = file;
        store.Initialise();
    }
    // The file a first run writes: every record dated `date`.
    std::string FirstRun(const std::string& date) const {
        std::string text;
        for (const TweakRecord& record : kCatalogue)
            text += Line(record.name, date);
        return text;
    }
    std::string File() const {
        auto it = host.files.find(path);
        return it == host.files.end() ? "<missing>" : it->second;
    }
    std::optional<RegValue> Flag() {
        return ReadValue(registry, hive::CurrentUser, kKey, "DateModefiedFlage");
    }
    std::size_t Sets() const {
        return std::count_if(registry.Calls().begin(), registry.Calls().end(),
                             [](const RegCall& call) { return call.op == RegOp::Set; });
    }

    MemoryRegistry registry;
    FakeHost host;  // today is 5 March 2007
    DateStore store{registry, host, kCatalogue, kFolder};
    const std::string path = std::string(kFolder) + "\\DateFile.txt";
    const std::string temp = path + ".new";
};

TEST_F(DateStoreTest, DeletedFileIsRebuiltByTheNextLookUp) {
    store.Initialise();
    host.files.clear();
    host.today = {2008, 1, 2};

    // The next start: the flag is 1 and there is no file to read or record into.
    DateStore restarted(registry, host, kCatalogue, kFolder);
    restarted.Initialise();
    restarted.RecordDate(0);
    EXPECT_EQ(restarted.Text(), "");
    EXPECT_FALSE(host.FileExists(path));

    EXPECT_EQ(restarted.LookUp("Quick Edit"), "1/2/2008");
    EXPECT_EQ(File(), FirstRun("1/2/2008"));
    EXPECT_EQ(restarted.Text(), File());
    EXPECT_EQ(Flag(), DwordValue(1));
}

// The failed rename is in the conformance suite; a failed write must do the same, and a
// missing line is not lost to a half-done save.
TEST_F(DateStoreTest, FailedWriteKeepsTheOldFileAndText) {
    StartWith(kEarlier);
    EXPECT_EQ(Sets(), 0u) << "a later start writes nothing";
    host.failWrites.insert(temp);
    store.RecordDate(0);
    EXPECT_EQ(File(), kEarlier);
    EXPECT_EQ(store.Text(), kEarlier);

    host.files[path] = Line("Quick Edit", "8/9/2006");
    store.Initialise();
    EXPECT_EQ(store.LookUp("Accessories"), "");
    EXPECT_EQ(File(), Line("Quick Edit", "8/9/2006"));
    EXPECT_FALSE(host.FileExists(temp));
}

// A file saved with LF alone: each line still ends at its own line end.
TEST_F(DateStoreTest, LinesEndedByLineFeedsStayApart) {
    const std::string file = "quenby(\"Accessories\",1/2/2006)\nquenby(\"Quick Edit\",8/9/2006)\n";
    StartWith(file);
    EXPECT_EQ(store.LookUp("Accessories"), "1/2/2006");
    store.RecordDate(0);
    EXPECT_EQ(File(), "quenby(\"Accessories\",3/5/2007)\nquenby(\"Quick Edit\",8/9/2006)\n");
}

TEST_F(DateStoreTest, FailedFirstRunLeavesTheFlagClear) {
    host.failRenames.insert(path);
    store.Initialise();
    EXPECT_FALSE(host.FileExists(path));
    EXPECT_FALSE(host.FileExists(temp));
    EXPECT_EQ(store.Text(), "");
    EXPECT_EQ(Flag(), std::nullopt);

    host.failRenames.clear();
    store.Initialise();
    EXPECT_EQ(File(), FirstRun("3/5/2007"));
    EXPECT_EQ(Flag(), DwordValue(1));
}

TEST_F(DateStoreTest, UnopenableProgramKeyLeavesEverythingEmpty) {
    registry.FailOn(RegOp::Create, hive::CurrentUser, kKey, err::AccessDenied);
    store.Initialise();
    EXPECT_EQ(store.LookUp("Accessories"), "");
    EXPECT_EQ(store.Text(), "");
    EXPECT_TRUE(host.files.empty());
    EXPECT_EQ(Sets(), 0u);
    EXPECT_FALSE(KeyExists(registry, hive::CurrentUser, kKey));
}

// Neither set nor clear: keep what the file holds rather than write over it.
TEST_F(DateStoreTest, UnreadableFlagKeepsTheFile) {
    host.files[path] = kEarlier;
    registry.FailOn(RegOp::Query, hive::CurrentUser, kKey, err::AccessDenied);
    store.Initialise();
    EXPECT_EQ(store.Text(), kEarlier);
    EXPECT_EQ(File(), kEarlier);
    EXPECT_EQ(Sets(), 0u);
}

// Every built-in name finds its own line: none is cut short by another or appended again.
TEST_F(DateStoreTest, EveryBuiltInNameFindsItsOwnDate) {
    const TweakCatalogue full = BuildCatalogue();
    DateStore dates(registry, host, full, kFolder);
    dates.Initialise();
    host.today = {2007, 3, 6};
    ASSERT_EQ(full[89].name, full[201].name);
    dates.RecordDate(89);
    for (const TweakRecord& record : full) {
        EXPECT_EQ(dates.LookUp(record.name), record.name == full[89].name ? "3/6/2007" : "3/5/2007")
            << record.tweakId;
    }
    const std::string file = File();
    EXPECT_EQ(std::count(file.begin(), file.end(), '\n'), 312);
}

}  // namespace
}  // namespace tallowick
