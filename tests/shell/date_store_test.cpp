#include "shell/date_store.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "platform/memory/fake_host.h"
#include "platform/memory/memory_registry.h"
#include "support/registry_test_support.h"

namespace tallowick {
namespace {

const char* const kKey = "Software\\Quenby Manager";

// Records chosen for their names: parentheses, a name that begins another, and a name
// used twice.
TweakCatalogue SmallCatalogue() {
    const char* names[] = {
        "Accessories",
        "Disable Distributed Component Object Model (DCOM)",
        "Remove My Computer from the Desktop and Start Menu",
        "Quick Edit the Command Prompt",
        "Quick Edit",
        "Remove My Computer from the Desktop and Start Menu",
    };
    TweakCatalogue catalogue;
    for (const char* name : names) {
        catalogue.push_back({name, "", 2, static_cast<TweakId>(catalogue.size())});
    }
    return catalogue;
}

std::string Line(const std::string& name, const std::string& date) {
    return "quenby(\"" + name + "\"," + date + ")\r\n";
}

// The file a first run on 5 March 2007 writes for SmallCatalogue().
const std::string kFirstRun =
    "quenby(\"Accessories\",3/5/2007)\r\n"
    "quenby(\"Disable Distributed Component Object Model (DCOM)\",3/5/2007)\r\n"
    "quenby(\"Remove My Computer from the Desktop and Start Menu\",3/5/2007)\r\n"
    "quenby(\"Quick Edit the Command Prompt\",3/5/2007)\r\n"
    "quenby(\"Quick Edit\",3/5/2007)\r\n"
    "quenby(\"Remove My Computer from the Desktop and Start Menu\",3/5/2007)\r\n";

// An earlier file with a different date on every line.
const std::string kEarlier =
    Line("Accessories", "1/2/2006") +
    Line("Disable Distributed Component Object Model (DCOM)", "11/30/2006") +
    Line("Remove My Computer from the Desktop and Start Menu", "6/19/2006") +
    Line("Quick Edit the Command Prompt", "7/4/2006") + Line("Quick Edit", "8/9/2006") +
    Line("Remove My Computer from the Desktop and Start Menu", "6/19/2006");

class DateStoreTest : public ::testing::Test {
  protected:
    // A later start: the flag is 1 and `file` is the date file.
    void StartWith(const std::string& file) {
        ASSERT_TRUE(
            registry.LoadRegText("REGEDIT4\n[HKEY_CURRENT_USER\\Software\\Quenby Manager]\n"
                                 "\"DateModefiedFlage\"=dword:00000001\n"
                                 "\"Language\"=\"Deutsch\"\n"));
        host.files[path] = file;
        store.Initialise();
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
    TweakCatalogue catalogue = SmallCatalogue();
    DateStore store{registry, host, catalogue, "C:\\Program Files\\Tallowick"};
    const std::string path = "C:\\Program Files\\Tallowick\\DateFile.txt";
    const std::string temp = path + ".new";
};

TEST(FormatDate, MonthDayYearWithoutLeadingZeros) {
    EXPECT_EQ(FormatDate({2007, 3, 5}), "3/5/2007");
    EXPECT_EQ(FormatDate({1999, 12, 31}), "12/31/1999");
}

TEST_F(DateStoreTest, FirstRunWritesEveryRecordAndSetsTheFlag) {
    store.Initialise();
    EXPECT_EQ(store.FilePath(), path);
    EXPECT_EQ(File(), kFirstRun);
    EXPECT_EQ(store.Text(), kFirstRun);
    EXPECT_FALSE(host.FileExists(temp));
    EXPECT_EQ(Flag(), DwordValue(1));
    // Written with 7 bytes; the registry adds the terminator, as Windows does.
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kKey, "Language"), SzValue("English"));
    EXPECT_EQ(registry.OpenHandleCount(), 0u);
}

TEST_F(DateStoreTest, LaterStartLoadsTheFileAndWritesNothing) {
    StartWith(kEarlier);
    EXPECT_EQ(store.Text(), kEarlier);
    EXPECT_EQ(File(), kEarlier);
    EXPECT_EQ(Sets(), 0u);
    EXPECT_EQ(ReadValue(registry, hive::CurrentUser, kKey, "Language"), SzValue("Deutsch"));
    EXPECT_EQ(store.LookUp("Accessories"), "1/2/2006");
    EXPECT_EQ(store.LookUp("Disable Distributed Component Object Model (DCOM)"), "11/30/2006");
}

// Records of one name share a line, and the other lines keep their dates.
TEST_F(DateStoreTest, RecordDateRewritesOnlyTheLinesOfThatName) {
    StartWith(kEarlier);
    const std::string shared = "Remove My Computer from the Desktop and Start Menu";
    store.RecordDate(5);
    EXPECT_EQ(File(), Line("Accessories", "1/2/2006") +
                          Line("Disable Distributed Component Object Model (DCOM)", "11/30/2006") +
                          Line(shared, "3/5/2007") +
                          Line("Quick Edit the Command Prompt", "7/4/2006") +
                          Line("Quick Edit", "8/9/2006") + Line(shared, "3/5/2007"));
    EXPECT_EQ(store.Text(), File());
    EXPECT_FALSE(host.FileExists(temp));
    EXPECT_EQ(store.LookUp(shared), "3/5/2007");
}

TEST_F(DateStoreTest, SecondApplyOnOneDayChangesNoByte) {
    StartWith(kEarlier);
    store.RecordDate(1);
    const std::string once = File();
    ASSERT_NE(once, kEarlier);
    store.RecordDate(1);
    EXPECT_EQ(File(), once);
    EXPECT_EQ(store.Text(), once);
}

TEST_F(DateStoreTest, NameThatBeginsAnotherFindsItsOwnLine) {
    StartWith(kEarlier);
    EXPECT_EQ(store.LookUp("Quick Edit"), "8/9/2006");
    EXPECT_EQ(store.LookUp("Quick Edit the Command Prompt"), "7/4/2006");

    store.RecordDate(4);
    EXPECT_EQ(store.LookUp("Quick Edit"), "3/5/2007");
    EXPECT_EQ(store.LookUp("Quick Edit the Command Prompt"), "7/4/2006");
}

TEST_F(DateStoreTest, NameWithACommaGivesTheDateAfterItsKey) {
    // A language file may give a name a comma of its own.
    StartWith(kEarlier + Line("Remove the Minimize, Maximize and Close Tooltips", "2/3/2006"));
    EXPECT_EQ(store.LookUp("Remove the Minimize, Maximize and Close Tooltips"), "2/3/2006");
}

TEST_F(DateStoreTest, DeletedFileIsRebuiltByTheNextLookUp) {
    store.Initialise();
    host.files.clear();
    host.today = {2008, 1, 2};

    // The next start: the flag is 1 and there is no file to read or record into.
    DateStore restarted(registry, host, catalogue, "C:\\Program Files\\Tallowick");
    restarted.Initialise();
    restarted.RecordDate(0);
    EXPECT_EQ(restarted.Text(), "");
    EXPECT_FALSE(host.FileExists(path));

    EXPECT_EQ(restarted.LookUp("Quick Edit"), "1/2/2008");
    std::string rebuilt = kFirstRun;
    for (std::size_t at; (at = rebuilt.find("3/5/2007")) != std::string::npos;)
        rebuilt.replace(at, 8, "1/2/2008");
    EXPECT_EQ(File(), rebuilt);
    EXPECT_EQ(restarted.Text(), rebuilt);
    EXPECT_EQ(Flag(), DwordValue(1));
}

// A damaged file, or one written under another language, loses no dates: the missing
// line is added and the others stay.
TEST_F(DateStoreTest, MissingLineIsAppendedAndTheRestKept) {
    const std::string damaged = Line("Accessories", "1/2/2006") + Line("Quick Edit", "8/9/2006");
    StartWith(damaged);
    EXPECT_EQ(store.LookUp("Disable Distributed Component Object Model (DCOM)"), "3/5/2007");
    const std::string looked =
        damaged + Line("Disable Distributed Component Object Model (DCOM)", "3/5/2007");
    EXPECT_EQ(File(), looked);
    EXPECT_EQ(store.Text(), looked);

    store.RecordDate(3);
    EXPECT_EQ(File(), looked + Line("Quick Edit the Command Prompt", "3/5/2007"));
    EXPECT_EQ(store.LookUp("Accessories"), "1/2/2006");
}

TEST_F(DateStoreTest, LastLineWithoutLineEndIsKeptWhole) {
    StartWith("quenby(\"Accessories\",1/2/2006)");
    store.RecordDate(4);
    EXPECT_EQ(File(), Line("Accessories", "1/2/2006") + Line("Quick Edit", "3/5/2007"));
    EXPECT_EQ(store.LookUp("Accessories"), "1/2/2006");
}

TEST_F(DateStoreTest, FailedSaveKeepsTheOldFileAndText) {
    struct Fault {
        const char* what;
        PathSet FakeHost::*list;
        std::string path;
    };
    for (const Fault& fault : {Fault{"write", &FakeHost::failWrites, temp},
                               Fault{"rename", &FakeHost::failRenames, path}}) {
        SCOPED_TRACE(fault.what);
        StartWith(kEarlier);
        (host.*fault.list).insert(fault.path);

        store.RecordDate(0);
        EXPECT_EQ(File(), kEarlier);
        EXPECT_EQ(store.Text(), kEarlier);
        EXPECT_EQ(store.LookUp("Accessories"), "1/2/2006");
        // Nor is a missing line lost to a half-done save.
        host.files[path] = Line("Quick Edit", "8/9/2006");
        store.Initialise();
        EXPECT_EQ(store.LookUp("Accessories"), "");
        EXPECT_EQ(File(), Line("Quick Edit", "8/9/2006"));
        EXPECT_FALSE(host.FileExists(temp));

        (host.*fault.list).clear();
    }
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
    EXPECT_EQ(File(), kFirstRun);
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

TEST_F(DateStoreTest, BuiltInCatalogueGivesOneLinePerRecord) {
    const TweakCatalogue full = BuildCatalogue();
    ASSERT_EQ(full.size(), 312u);
    DateStore dates(registry, host, full, "C:\\Program Files\\Tallowick");
    dates.Initialise();

    std::string expected;
    for (const TweakRecord& record : full)
        expected += Line(record.name, "3/5/2007");
    EXPECT_EQ(File(), expected);

    host.today = {2007, 3, 6};
    ASSERT_EQ(full[89].name, full[201].name);
    dates.RecordDate(89);
    EXPECT_EQ(dates.LookUp(full[201].name), "3/6/2007");
    EXPECT_EQ(dates.LookUp("Disable Distributed Component Object Model (DCOM)"), "3/5/2007");
    const std::string file = File();
    std::size_t changed = 0;
    for (std::size_t at = 0; (at = file.find("3/6/2007", at)) != std::string::npos; ++at)
        ++changed;
    EXPECT_EQ(changed, 2u);
}

}  // namespace
}  // namespace tallowick
