// The date store against each pair of seams: in memory natively, and under Wine the real
// registry (of the private test prefix) and real files in a scratch folder.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "model/date_store.h"
#include "support/registry_test_support.h"
#include "support/scratch.h"

namespace tallowick {
namespace {

const char* const kKey = "Software\\Quenby Manager";
const char* const kDcom = "Disable Distributed Component Object Model (DCOM)";
const char* const kPrompt = "Quick Edit the Command Prompt";

std::string Line(const std::string& name, const std::string& date) {
    return "quenby(\"" + name + "\"," + date + ")\r\n";
}

class DateStoreConformance : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(seams_.folder.empty()) << "no scratch folder";
        registry().DeleteTree(hive::CurrentUser, kKey);
    }
#ifdef _WIN32
    void TearDown() override {
        if (held_ != INVALID_HANDLE_VALUE)
            CloseHandle(held_);
    }
    // An open handle that does not share deletion: replacing the file is refused while it
    // is held. (Wine, unlike Windows, renames over a read-only file, so that will not do.)
    void BlockReplacing() {
        held_ = CreateFileA(path_.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(held_, INVALID_HANDLE_VALUE);
    }
    HANDLE held_ = INVALID_HANDLE_VALUE;
#else
    void BlockReplacing() {
        static_cast<FakeHost&>(host()).failRenames.insert(path_);
    }
#endif

    // A later start: the flag is 1, the language chosen, and `file` is the date file.
    void StartWith(const std::string& file) {
        ASSERT_EQ(
            WriteValue(registry(), hive::CurrentUser, kKey, "DateModefiedFlage", DwordValue(1)),
            err::Success);
        ASSERT_EQ(WriteValue(registry(), hive::CurrentUser, kKey, "Language", SzValue("Deutsch")),
                  err::Success);
        ASSERT_TRUE(host().WriteWholeFile(path_, file));
        store_.Initialise();
    }
    std::optional<RegValue> Language() {
        return ReadValue(registry(), hive::CurrentUser, kKey, "Language");
    }

    Registry& registry() {
        return *seams_.registry;
    }
    Host& host() {
        return *seams_.host;
    }
    std::string Today() {
        return FormatDate(host().TodayUtc());
    }
    std::optional<std::string> File() {
        return host().ReadWholeFile(path_);
    }

    Seams seams_;
    SavedKey savedKey_{registry(), hive::CurrentUser, kKey};
    const std::string path_ = seams_.folder + "\\DateFile.txt";
    // Names with parentheses, a name that begins another, a name used twice.
    const TweakCatalogue catalogue_ = {
        {"Accessories", "", 0, 0}, {kDcom, "", 2, 1}, {kPrompt, "", 2, 2},
        {"Quick Edit", "", 2, 3},  {kDcom, "", 2, 4},
    };
    DateStore store_{registry(), host(), catalogue_, seams_.folder};
};

TEST_F(DateStoreConformance, FirstRunWritesEveryRecordAndSetsTheFlag) {
    store_.Initialise();
    const std::string today = Today();
    const std::string expected = Line("Accessories", today) + Line(kDcom, today) +
                                 Line(kPrompt, today) + Line("Quick Edit", today) +
                                 Line(kDcom, today);
    EXPECT_EQ(store_.FilePath(), path_);
    EXPECT_EQ(File(), expected);
    EXPECT_EQ(store_.Text(), expected);
    EXPECT_FALSE(host().FileExists(path_ + ".new"));
    EXPECT_EQ(ReadValue(registry(), hive::CurrentUser, kKey, "DateModefiedFlage"), DwordValue(1));
    // Written with 7 bytes; the terminator is the registry's own addition.
    EXPECT_EQ(Language(), SzValue("English"));
}

// Records of one name share a line; a name that begins another, and one with a comma of
// its own (a language file may give it one), find only their own; other lines keep their
// dates, and a second apply the same day writes nothing new.
TEST_F(DateStoreConformance, RecordDateRewritesOnlyTheLinesOfThatName) {
    const std::string comma = Line("Remove the Minimize, Maximize and Close Tooltips", "2/3/2006");
    const std::string before =
        Line("Accessories", "1/2/2006") + Line(kDcom, "11/30/2006") + Line(kPrompt, "7/4/2006");
    StartWith(before + Line("Quick Edit", "8/9/2006") + Line(kDcom, "11/30/2006") + comma);
    EXPECT_EQ(store_.LookUp("Remove the Minimize, Maximize and Close Tooltips"), "2/3/2006");
    EXPECT_EQ(store_.LookUp("Quick Edit"), "8/9/2006");
    store_.RecordDate(4);
    store_.RecordDate(3);
    const std::string expected = Line("Accessories", "1/2/2006") + Line(kDcom, Today()) +
                                 Line(kPrompt, "7/4/2006") + Line("Quick Edit", Today()) +
                                 Line(kDcom, Today()) + comma;
    EXPECT_EQ(File(), expected);
    store_.RecordDate(1);
    EXPECT_EQ(File(), expected);
    EXPECT_EQ(store_.Text(), expected);
}

// A later start loads the file as it is and keeps the chosen language; a damaged file, or
// one written under another language, gets the missing line added, after a last line
// without its line end too, and loses no date.
TEST_F(DateStoreConformance, LookUpFindsTheDateOrAddsTheLine) {
    const std::string earlier = Line(kDcom, "11/30/2006") + "quenby(\"Accessories\",1/2/2006)";
    StartWith(earlier);
    EXPECT_EQ(store_.Text(), earlier);
    EXPECT_EQ(Language(), SzValue("Deutsch"));
    EXPECT_EQ(store_.LookUp(kDcom), "11/30/2006");
    EXPECT_EQ(store_.LookUp("Quick Edit"), Today());
    EXPECT_EQ(File(), earlier + "\r\n" + Line("Quick Edit", Today()));
    EXPECT_EQ(store_.LookUp("Accessories"), "1/2/2006");
    EXPECT_EQ(store_.Text(), File());
}

TEST_F(DateStoreConformance, FailedReplaceKeepsTheOldFile) {
    const std::string earlier = Line("Accessories", "1/2/2006") + Line(kDcom, "11/30/2006");
    StartWith(earlier);
    BlockReplacing();
    store_.RecordDate(0);
    EXPECT_EQ(File(), earlier);
    EXPECT_EQ(store_.Text(), earlier);
    EXPECT_FALSE(host().FileExists(path_ + ".new"));
    EXPECT_EQ(store_.LookUp("Accessories"), "1/2/2006");
}

}  // namespace
}  // namespace tallowick
